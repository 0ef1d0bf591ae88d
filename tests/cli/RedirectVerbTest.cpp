#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/Verbs.h"
#include "core/platform/Files.h"
#include "core/publish/RedirectPage.h"

using namespace tessaly;
namespace fs = std::filesystem;

namespace {
struct Outcome {
    int status;
    std::string err;
};
Outcome redirect(const cli::Arguments& args) {
    std::ostringstream out, err;
    const int status = cli::runRedirect(args, out, err);
    EXPECT_EQ(out.str(), "");
    return {status, err.str()};
}
}  // namespace

TEST(RedirectVerb, WritesThePageAndReportsEachOutcome) {
    const fs::path dir = fs::temp_directory_path() / ("tessaly-redirect-verb-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string html5 = "https://example.org/html5/tour.html";
    const std::string flash = "https://example.org/flash/tour.html";

    Outcome run = redirect({html5, flash, (dir / "go").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "tessaly: Redirect web page created!\n");
    EXPECT_EQ(platform::readFile(dir / "go.html").value(), publish::redirectPageText(html5, flash));

    run = redirect({"  short  ", flash, (dir / "x.html").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessaly: Please add the web path to the Html5 360 Video solution\n");
    run = redirect({html5, "123456789", (dir / "x.html").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessaly: Please add the web path to the Flash 360 Video solution\n");
    EXPECT_FALSE(fs::exists(dir / "x.html"));

    // A failed write names the file and the reason, never the success message.
    const fs::path missing = dir / "no-such-folder" / "r.html";
    run = redirect({html5, flash, missing.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessaly: Cannot write " + missing.string() + ": No such file or directory\n");

    EXPECT_EQ(redirect({html5, flash}).status, 2);
    EXPECT_EQ(redirect({html5, flash, "   "}).status, 2);
    // A folder is no page: nothing named ".html" is written into it.
    EXPECT_EQ(redirect({html5, flash, dir.string() + "/"}).status, 2);
    EXPECT_EQ(redirect({html5, flash, (dir / ".HTML").string()}).status, 2);
    EXPECT_FALSE(fs::exists(dir / ".html"));
    fs::remove_all(dir);
}
