// Runs a scrambled configuration script in node, the way a browser loads it,
// and reads the viewer's variables back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/platform/Files.h"
#include "core/publish/ConfigScript.h"
#include "core/publish/Scrambler.h"

using namespace tessaly;
using namespace tessaly::publish;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kChecker = R"(
const fs = require('fs');
const vm = require('vm');
const code = fs.readFileSync(process.argv[2], 'latin1');
const arrays = ['pos', 'time', 'yaw', 'title', 'link', 'self'].map(n => 'HotSpotItem_' + n);
const context = { window: { innerWidth: 1234, innerHeight: 567 } };
for (const name of arrays) context[name] = [];
vm.createContext(context);
vm.runInContext(code, context);
const names = ['fov', 'OS_FPS', 'nSegmentsWidth', 'nSegmentsHeight', 'vertmax', 'lon', 'lat', 'RENDER_X',
  'RENDER_Y', 'OS_VOLUME', 'OS_STAT', 'OS_MODE', 'OS_COLOR', 'mousespeed', 'control_bar', 'OS_CONTROL',
  'OS_WIN_POS_W', 'OS_WIN_POS_H', 'OS_FULL_SCREEN', 'OS_HOTSPOTS'].concat(arrays);
let out = '';
for (const name of names) out += name + '=' + JSON.stringify(context[name]) + '\n';
fs.writeFileSync(process.argv[3], out, 'utf8');
)";

bool nodeAvailable() { return std::system("command -v node >/dev/null 2>&1") == 0; }

hotspots::HotSpot spot(double pos, double time, int yaw, std::string_view title, std::string_view link,
                       int self) {
    return hotspots::HotSpot::make(link, title, yaw, pos, time, self);
}

}  // namespace

TEST(ScrambledScriptInNode, VariablesComeBackAsPublished) {
    if (!nodeAvailable()) GTEST_SKIP() << "node is not on PATH";

    model::ViewerSettings settings;
    settings.setPosition(model::ListField::WindowSize, 1);  // 320 x 240: narrow, so OS_CONTROL turns 1
    settings.setPosition(model::ListField::Pitch, 7);
    settings.setPosition(model::ListField::WinPosY, 3);
    settings.blackAreaColor = 0x00FF8000;
    hotspots::HotSpotList list;
    list.at(1) = spot(12.5, 5, 0, "Door", "door.html", 0);
    list.at(2) = spot(0.5, 3.25, -90, "A - B", "tour - room 2.html", 1);
    list.at(4) = spot(7, 1, 180, "Café – Ωmega 😀", "", 0);
    list.at(5) = spot(8, 2, 45, R"(Say "hi" \ it's </script>)", "x.html?a=1&b=(2)", 0);

    const fs::path dir = fs::temp_directory_path() / ("tessaly-node-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path script = dir / "cn0.js";
    const fs::path checker = dir / "check.js";
    const fs::path result = dir / "out.txt";
    ASSERT_TRUE(writeConfigScript(script, collectConfig(settings).values, list).ok());
    ASSERT_TRUE(scrambleScript(script).ok());
    ASSERT_TRUE(platform::writeFileAtomic(checker, kChecker).ok());
    const std::string command =
        "node '" + checker.string() + "' '" + script.string() + "' '" + result.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::string expected =
        "fov=120\nOS_FPS=15\nnSegmentsWidth=128\nnSegmentsHeight=128\nvertmax=90\nlon=0\nlat=-20\n"
        "RENDER_X=320\nRENDER_Y=240\nOS_VOLUME=0.5\nOS_STAT=0\nOS_MODE=0\nOS_COLOR=\"#0080FF\"\n"
        "mousespeed=0.02\ncontrol_bar=1\nOS_CONTROL=1\nOS_WIN_POS_W=\"left\"\nOS_WIN_POS_H=\"bottom\"\n"
        "OS_FULL_SCREEN=0\nOS_HOTSPOTS=4\n"
        "HotSpotItem_pos=[12.5,0.5,0,7,8,0,0,0,0,0]\n"
        "HotSpotItem_time=[5,3.25,0,1,2,0,0,0,0,0]\n"
        "HotSpotItem_yaw=[-180,90,0,0,-135,0,0,0,0,0]\n"
        "HotSpotItem_title=[\"Door\",\"A - B\",\"\",\"Café – Ωmega 😀\",\"Say \\\"hi\\\" \\\\ it's "
        "</script>\","
        "\"\",\"\",\"\",\"\",\"\"]\n"
        "HotSpotItem_link=[\"door.html\",\"tour - room 2.html\",\"\",\"\",\"x.html?a=1&b=(2)\","
        "\"\",\"\",\"\",\"\",\"\"]\n"
        "HotSpotItem_self=[false,true,false,false,false,false,false,false,false,false]\n";
    const auto actual = platform::readFile(result);
    ASSERT_TRUE(actual.ok()) << actual.failure().message();
    EXPECT_EQ(actual.value(), expected);
    fs::remove_all(dir);
}
