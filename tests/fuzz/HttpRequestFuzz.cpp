// What a visitor's browser (or anything on the machine) sends the preview
// server: any bytes, read as request heads one after the other and answered
// from a small site. An answer never hands out a file outside the site, nor a
// span past a file's end.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "serve/HttpRequest.h"
#include "serve/PreviewAnswer.h"

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

// index.html, a movie, a folder with a script, and a link out of the site.
fs::path makeSite() {
    const fs::path base = fs::temp_directory_path() / ("tessaly-fuzz-site-" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "site" / "js");
    std::ofstream(base / "site" / "index.html") << "<!DOCTYPE html><title>tour</title>";
    std::ofstream(base / "site" / "movie.mp4") << std::string(5000, 'm');
    std::ofstream(base / "site" / "js" / "cn1.js") << "var a = 1;";
    std::ofstream(base / "secret.txt") << "not for visitors";
    fs::create_symlink(base / "secret.txt", base / "site" / "out.txt");
    return fs::canonical(base / "site");
}

void check(const fs::path& site, const serve::Answer& answer) {
    if (!answer.head.starts_with("HTTP/1.1 ")) std::abort();
    if (!answer.body.valid()) return;
    const fs::path served = fs::read_symlink("/proc/self/fd/" + std::to_string(answer.body.get()));
    const std::string inside = site.string() + "/";
    if (!served.string().starts_with(inside)) std::abort();
    struct stat info {};
    if (::fstat(answer.body.get(), &info) != 0 || !S_ISREG(info.st_mode)) std::abort();
    if (answer.offset > static_cast<std::uint64_t>(info.st_size) ||
        answer.length > static_cast<std::uint64_t>(info.st_size) - answer.offset)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path site = makeSite();
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const serve::ParsedHead parsed = serve::parseRequestHead(rest);
        if (parsed.status == serve::HeadStatus::Incomplete) break;
        if (parsed.status != serve::HeadStatus::Complete) {
            check(site, serve::answerUnreadable(parsed.status));
            break;
        }
        if (parsed.headSize == 0 || parsed.headSize > rest.size()) std::abort();
        check(site, serve::answerRequest(site, 8080, parsed.request));
        rest.remove_prefix(parsed.headSize);
    }
    return 0;
}
