#include <gtest/gtest.h>
#include <httplib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <future>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "cli/PreviewServer.h"
#include "cli/Verbs.h"
#include "core/text/Files.h"

using namespace tessaly;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    ASSERT_FALSE(text::writeFileAtomic(file, bytes, text::Flush::Skip).has_value()) << file;
}

// A published tree beside a folder it must never reveal.
class PreviewServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() / ("tessaly-preview-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        site_ = base_ / "site";
        for (int i = 0; i < 5000; ++i) movie_ += static_cast<char>(i * 7 % 251);
        write(site_ / "index.html", "<!DOCTYPE html><title>tour</title>");
        write(site_ / "js" / "cn1.js", "var a = 1;");
        write(site_ / "movie.mp4", movie_);
        write(site_ / ".hidden", "hidden");
        write(site_ / "js" / ".git" / "config", "hidden too");
        write(base_ / "outside" / "secret.txt", "SECRET");
        write(base_ / "site-other" / "secret.txt", "SECRET");
        fs::create_symlink(base_ / "outside" / "secret.txt", site_ / "leak.txt");
        fs::create_symlink(base_ / "outside", site_ / "leakdir");
        fs::create_symlink(site_ / "js" / "cn1.js", site_ / "alias.js");
    }
    void TearDown() override { fs::remove_all(base_); }

    fs::path base_, site_;
    std::string movie_;
};

// Serves `folder` in a thread for the length of a test.
class Running {
public:
    explicit Running(const fs::path& folder) : server_(folder), port_(server_.bind()) {
        serving_ = std::async(std::launch::async, [this] { return server_.serve(); });
    }
    ~Running() {
        if (serving_.valid()) stop();
    }
    int port() const { return port_; }
    // Whether the serving thread ended within a few seconds of the stop.
    bool stop() {
        server_.stop();
        return serving_.wait_for(10s) == std::future_status::ready && serving_.get();
    }

private:
    cli::PreviewServer server_;
    int port_;
    std::future<bool> serving_;
};

TEST_F(PreviewServerTest, ServesTheFolderWithItsTypesAndByteRanges) {
    Running server(site_);
    ASSERT_GT(server.port(), 0);
    httplib::Client client("127.0.0.1", server.port());
    client.set_keep_alive(true);  // still open when the server stops

    auto page = client.Get("/index.html");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(page->body, "<!DOCTYPE html><title>tour</title>");
    auto script = client.Get("/js/cn1.js");
    ASSERT_TRUE(script);
    EXPECT_EQ(script->get_header_value("Content-Type"), "text/javascript; charset=utf-8");
    EXPECT_EQ(script->body, "var a = 1;");
    auto alias = client.Get("/alias.js");  // a symlink that stays inside is followed
    ASSERT_TRUE(alias);
    EXPECT_EQ(alias->body, "var a = 1;");

    auto whole = client.Get("/movie.mp4");
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->status, 200);
    EXPECT_EQ(whole->get_header_value("Content-Type"), "video/mp4");
    EXPECT_EQ(whole->get_header_value("Accept-Ranges"), "bytes");
    EXPECT_EQ(whole->body, movie_);

    struct Case {
        const char* range;
        std::size_t first, last;
    };
    for (const Case& c :
         {Case{"bytes=100-1199", 100, 1199}, Case{"bytes=4990-", 4990, 4999}, Case{"bytes=-16", 4984, 4999},
          Case{"bytes=-9000", 0, 4999}, Case{"bytes=4000-99999", 4000, 4999}, Case{"bytes=0-0", 0, 0}}) {
        SCOPED_TRACE(c.range);
        auto part = client.Get("/movie.mp4", {{"Range", c.range}});
        ASSERT_TRUE(part);
        EXPECT_EQ(part->status, 206);
        EXPECT_EQ(part->get_header_value("Content-Range"),
                  "bytes " + std::to_string(c.first) + "-" + std::to_string(c.last) + "/5000");
        EXPECT_EQ(part->get_header_value("Content-Length"), std::to_string(c.last - c.first + 1));
        EXPECT_EQ(part->body, movie_.substr(c.first, c.last - c.first + 1));
    }
    for (const char* range : {"bytes=5000-", "bytes=6000-7000", "bytes=-0"}) {
        SCOPED_TRACE(range);
        auto beyond = client.Get("/movie.mp4", {{"Range", range}});
        ASSERT_TRUE(beyond);
        EXPECT_EQ(beyond->status, 416);
        EXPECT_EQ(beyond->get_header_value("Content-Range"), "bytes */5000");
        EXPECT_EQ(beyond->body, "");
    }
    // Several ranges at once get the whole movie, as HTTP allows.
    auto several = client.Get("/movie.mp4", {{"Range", "bytes=0-9,20-29"}});
    ASSERT_TRUE(several);
    EXPECT_EQ(several->status, 200);
    EXPECT_EQ(several->body, movie_);

    auto head = client.Head("/movie.mp4", {{"Range", "bytes=10-19"}});
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 206);
    EXPECT_EQ(head->get_header_value("Content-Length"), "10");
    EXPECT_EQ(head->body, "");

    EXPECT_TRUE(server.stop());
}

TEST_F(PreviewServerTest, RefusesEverythingOutsideTheFolderAndListsNothing) {
    Running server(site_);
    httplib::Client client("127.0.0.1", server.port());
    for (const char* path :
         {"/../outside/secret.txt", "/js/../../outside/secret.txt", "/%2e%2e/outside/secret.txt",
          "/js/%2E%2E/%2e%2e/outside/secret.txt", "/..%2foutside%2fsecret.txt",
          "/%2E%2E%2Foutside/secret.txt", "/../site-other/secret.txt", "/leak.txt", "/leakdir/secret.txt",
          "/.hidden", "/js/.git/config", "/%2ehidden", "/", "/js", "/js/", "/leakdir/", "/index.html%00.txt",
          "/missing.html"}) {
        SCOPED_TRACE(path);
        auto res = client.Get(path);
        ASSERT_TRUE(res);
        EXPECT_TRUE(res->status == 403 || res->status == 404) << res->status;
        EXPECT_EQ(res->body.find("SECRET"), std::string::npos);
        EXPECT_EQ(res->body.find("hidden"), std::string::npos);
        EXPECT_EQ(res->body.find("cn1.js"), std::string::npos);
    }
    EXPECT_TRUE(server.stop());
}

TEST(PreviewServer, StopsWhetherOrNotItHasStartedServing) {
    const fs::path folder = fs::temp_directory_path();
    {
        cli::PreviewServer server(folder);
        ASSERT_GT(server.bind(), 0);
        server.stop();
        EXPECT_TRUE(server.serve());  // returns at once
    }
    for (int i = 0; i < 20; ++i) {  // stop racing the start of the loop
        Running server(folder);
        EXPECT_TRUE(server.stop());
    }
}

TEST(PreviewServer, NamesContentTypesAndAddresses) {
    struct Case {
        const char* file;
        const char* type;
    };
    for (const Case& c :
         {Case{"a.html", "text/html; charset=utf-8"}, Case{"js/cn1.js", "text/javascript; charset=utf-8"},
          Case{"st.css", "text/css; charset=utf-8"}, Case{"up.png", "image/png"}, Case{"hs.gif", "image/gif"},
          Case{"poster.JPG", "image/jpeg"}, Case{"m.mp4", "video/mp4"}, Case{"m.m4v", "video/mp4"},
          Case{"m.webm", "video/webm"}, Case{"m.ogg", "video/ogg"}, Case{"m.ogv", "video/ogg"},
          Case{"m.MOV", "video/quicktime"}, Case{"m.qt", "video/quicktime"},
          Case{"notes.txt.bak", "application/octet-stream"}, Case{"Makefile", "application/octet-stream"}}) {
        EXPECT_EQ(cli::contentTypeFor(c.file), c.type) << c.file;
    }
    EXPECT_EQ(cli::previewAddress(8123, "index.html"), "http://127.0.0.1:8123/index.html");
    EXPECT_EQ(cli::previewAddress(80, "my tour #1 é.html"),
              "http://127.0.0.1:80/my%20tour%20%231%20%C3%A9.html");
}

struct Outcome {
    int status;
    std::string out, err;
};
Outcome preview(const cli::Arguments& args) {
    std::ostringstream out, err;
    const int status = cli::runPreview(args, out, err);
    return {status, out.str(), err.str()};
}

TEST_F(PreviewServerTest, VerbRejectsWhatItCannotServe) {
    EXPECT_EQ(preview({}).status, 2);
    EXPECT_EQ(preview({""}).status, 2);
    EXPECT_EQ(preview({"a.html", "b.html"}).status, 2);
    EXPECT_EQ(preview({"--port"}).err, "Usage: tessaly preview PAGE.html\n");

    const fs::path missing = site_ / "missing.html";
    Outcome run = preview({missing.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessaly: Cannot open " + missing.string() + ": No such file or directory\n");
    run = preview({(site_ / "js").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessaly: Cannot open " + (site_ / "js").string() + ": Is a directory\n");
    run = preview({(site_ / ".hidden").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "tessaly: Cannot serve " + (site_ / ".hidden").string() + ": Hidden files are not served\n");
    EXPECT_EQ(run.out, "");
}

// Reads one line from `fd`, waiting at most a few seconds.
std::string readLine(int fd) {
    std::string line;
    char c;
    pollfd watch{fd, POLLIN, 0};
    while (::poll(&watch, 1, 10000) > 0 && ::read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

// The whole verb in a child process, as a person runs it: it prints the
// address, hands it to the browser launcher found on PATH, serves, and ends
// with status 0 on `stopSignal`.
struct VerbRun {
    std::string address;
    std::string err;
    int exitStatus = -1;
};
VerbRun runVerbUntil(const fs::path& page, const fs::path& searchPath, int stopSignal,
                     const fs::path& errFile, const std::function<void(const std::string&)>& whileServing) {
    int pipeEnds[2];
    EXPECT_EQ(::pipe(pipeEnds), 0);
    std::cout.flush();
    std::cerr.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        std::FILE* err = std::freopen(errFile.c_str(), "w", stderr);
        ::setenv("PATH", searchPath.c_str(), 1);
        const int status = err ? cli::runPreview({page.string()}, std::cout, std::cerr) : 99;
        std::cout.flush();
        std::cerr.flush();
        ::_exit(status);
    }
    ::close(pipeEnds[1]);
    VerbRun run;
    run.address = readLine(pipeEnds[0]);
    if (!run.address.empty()) whileServing(run.address);
    ::kill(child, stopSignal);
    int status = 0;
    for (int i = 0; i < 100 && ::waitpid(child, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(100ms);
    if (::waitpid(child, &status, WNOHANG) == 0) {  // still running: fail, never hang
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ::close(pipeEnds[0]);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = text::readFile(errFile).bytes;
    return run;
}

TEST_F(PreviewServerTest, VerbServesUntilInterruptedAndOpensTheBrowser) {
    const fs::path bin = base_ / "bin";
    const fs::path opened = base_ / "opened.txt";
    write(bin / "xdg-open", "#!/bin/sh\necho \"$1\" > '" + opened.string() + "'\n");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);

    VerbRun run =
        runVerbUntil(site_ / "index.html", bin, SIGTERM, base_ / "err1.txt", [&](const std::string& address) {
            const auto slash = address.find('/', 7);
            httplib::Client client(address.substr(0, slash));
            auto page = client.Get(address.substr(slash));
            ASSERT_TRUE(page);
            EXPECT_EQ(page->body, "<!DOCTYPE html><title>tour</title>");
            for (int i = 0; i < 50 && !fs::exists(opened); ++i) std::this_thread::sleep_for(100ms);
        });
    EXPECT_TRUE(run.address.starts_with("http://127.0.0.1:")) << run.address;
    EXPECT_TRUE(run.address.ends_with("/index.html")) << run.address;
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(text::readFile(opened).bytes, run.address + "\n");
    EXPECT_EQ(run.err, "tessaly: serving " + fs::canonical(site_).string() + " until interrupted (Ctrl+C)\n");

    // No launcher at all: the address is all there is, and Ctrl+C ends it too.
    run = runVerbUntil(site_ / "index.html", base_ / "empty", SIGINT, base_ / "err2.txt",
                       [](const std::string&) {});
    EXPECT_TRUE(run.address.starts_with("http://127.0.0.1:")) << run.address;
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_NE(run.err.find("tessaly: No web browser could be started (xdg-open: No such file or directory); "
                           "open the address above in one\n"),
              std::string::npos)
        << run.err;
}

}  // namespace
