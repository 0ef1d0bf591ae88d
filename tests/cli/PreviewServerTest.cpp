#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/Verbs.h"
#include "core/platform/Files.h"
#include "serve/PreviewAnswer.h"
#include "serve/PreviewServer.h"

using namespace tessaly;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(platform::writeFileAtomic(file, bytes, platform::Flush::Skip).ok()) << file;
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
    explicit Running(const fs::path& folder, serve::ServerLimits limits = {})
        : server_(folder, limits), port_(server_.bind()) {
        serving_ = std::async(std::launch::async, [this] { return server_.serve(); });
    }
    ~Running() {
        if (serving_.valid()) stop();
    }
    int port() const { return port_; }
    // Whether the serving thread ended within `within` of the stop.
    bool stop(std::chrono::milliseconds within = 10s) {
        server_.stop();
        return serving_.wait_for(within) == std::future_status::ready && serving_.get();
    }

private:
    serve::PreviewServer server_;
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

// A raw connection to the server, for what an HTTP client library would not send.
class RawClient {
public:
    explicit RawClient(int port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(fd_); }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return connected_; }
    bool send(std::string_view bytes) {
        return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
    }
    // What arrives until the server closes or `quiet` passes without a byte.
    std::string receive(std::chrono::milliseconds quiet = 3s) {
        return receiveUntil([](const std::string&) { return false; }, quiet);
    }
    // What arrives until `enough` holds for it, the server closes, or
    // `deadline` passes.
    std::string receiveUntil(const std::function<bool(const std::string&)>& enough,
                             std::chrono::milliseconds deadline = 10s) {
        std::string got;
        char buffer[4096];
        pollfd watch{fd_, POLLIN, 0};
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (!enough(got)) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
            if (left.count() <= 0 || ::poll(&watch, 1, static_cast<int>(left.count())) <= 0) break;
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0) {
                closedByServer_ = true;
                break;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    // Whether bytes wait to be read within `deadline`; none are taken.
    bool readable(std::chrono::milliseconds deadline = 10s) {
        pollfd watch{fd_, POLLIN, 0};
        return ::poll(&watch, 1, static_cast<int>(deadline.count())) > 0;
    }
    // Whether the server has closed the connection, looking without waiting.
    bool closedByServer() {
        pollfd watch{fd_, POLLIN, 0};
        char c;
        if (!closedByServer_ && ::poll(&watch, 1, 0) > 0 && ::recv(fd_, &c, 1, MSG_DONTWAIT) <= 0)
            closedByServer_ = true;
        return closedByServer_;
    }

private:
    int fd_;
    bool connected_ = false;
    bool closedByServer_ = false;
};

std::string statusOf(const std::string& answer) { return answer.substr(0, answer.find("\r\n")); }

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(PreviewServerTest, AnswersOnlyTheNamesItIsReachedBy) {
    Running server(site_);
    const std::string port = std::to_string(server.port());
    struct Case {
        std::string host;
        const char* status;
    };
    for (const Case& c : {Case{"Host: 127.0.0.1:" + port, "HTTP/1.1 200 OK"},
                          Case{"Host: localhost:" + port, "HTTP/1.1 200 OK"},
                          Case{"Host: LocalHost:" + port, "HTTP/1.1 200 OK"},
                          Case{"Host: attacker.example:" + port, "HTTP/1.1 403 Forbidden"},
                          Case{"Host: 127.0.0.1", "HTTP/1.1 403 Forbidden"},
                          Case{"Host: 127.0.0.1:" + port + "0", "HTTP/1.1 403 Forbidden"},
                          Case{"X-No-Host: 1", "HTTP/1.1 403 Forbidden"}}) {
        SCOPED_TRACE(c.host);
        RawClient client(server.port());
        ASSERT_TRUE(client.send("GET /index.html HTTP/1.1\r\n" + c.host + "\r\nConnection: close\r\n\r\n"));
        const std::string answer = client.receive();
        EXPECT_EQ(statusOf(answer), c.status);
        if (std::string(c.status).ends_with("Forbidden")) {
            EXPECT_EQ(answer.find("<title>"), std::string::npos);
        }
    }
}

TEST_F(PreviewServerTest, RefusesOtherMethodsAndUnreadableRequests) {
    Running server(site_);
    const std::string host = "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n";
    struct Case {
        std::string request;
        const char* status;
    };
    for (const Case& c :
         {Case{"DELETE /index.html HTTP/1.1\r\n" + host + "\r\n", "HTTP/1.1 405 Method Not Allowed"},
          Case{"GET /index.html HTTP/3\r\n" + host + "\r\n", "HTTP/1.1 400 Bad Request"},
          Case{"GET /index.html HTTP/1.1\r\n" + host + "X: " + std::string(20000, 'x') + "\r\n\r\n",
               "HTTP/1.1 431 Request Header Fields Too Large"}}) {
        RawClient client(server.port());
        ASSERT_TRUE(client.send(c.request));
        const std::string answer = client.receive();
        EXPECT_EQ(statusOf(answer), c.status);
        EXPECT_TRUE(client.closedByServer() || c.request.starts_with("DELETE"));
    }
}

TEST_F(PreviewServerTest, SendsTheWholeFileWhenIfRangeDoesNotMatch) {
    Running server(site_);
    httplib::Client client("127.0.0.1", server.port());
    auto whole = client.Get("/movie.mp4");
    ASSERT_TRUE(whole);
    const std::string tag = whole->get_header_value("ETag");
    ASSERT_FALSE(tag.empty());
    struct Case {
        std::string ifRange;
        int status;
    };
    for (const Case& c : {Case{tag, 206}, Case{"\"another\"", 200}, Case{"W/" + tag, 200},
                          Case{"Tue, 15 Nov 1994 08:12:31 GMT", 200}}) {
        SCOPED_TRACE(c.ifRange);
        auto res = client.Get("/movie.mp4", {{"Range", "bytes=10-19"}, {"If-Range", c.ifRange}});
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, c.status);
        EXPECT_EQ(res->body, c.status == 206 ? movie_.substr(10, 10) : movie_);
    }
    // A file replaced since gets a new tag, so an old one sends it whole.
    write(site_ / "movie.mp4", movie_ + "more");
    auto replaced = client.Get("/movie.mp4", {{"Range", "bytes=10-19"}, {"If-Range", tag}});
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->status, 200);
    EXPECT_EQ(replaced->body, movie_ + "more");
}

TEST_F(PreviewServerTest, NeverWaitsOnAFifoOrDeviceInTheFolder) {
    ASSERT_EQ(::mkfifo((site_ / "pipe.mp4").c_str(), 0644), 0);
    Running server(site_);
    httplib::Client client("127.0.0.1", server.port());
    client.set_read_timeout(3s);
    auto fifo = client.Get("/pipe.mp4");
    ASSERT_TRUE(fifo);
    EXPECT_EQ(fifo->status, 404);
    if (::geteuid() != 0) {
        std::cout << "[   SKIP   ] a device node needs root to make\n";
    } else {
        ASSERT_EQ(::mknod((site_ / "zero.mp4").c_str(), S_IFCHR | 0644, makedev(1, 5)), 0);
        auto device = client.Get("/zero.mp4");
        ASSERT_TRUE(device);
        EXPECT_EQ(device->status, 404);
    }
    EXPECT_EQ(client.Get("/index.html")->status, 200);
}

TEST_F(PreviewServerTest, KeptConnectionsAnswerWithoutDelayAndCloseWhenIdle) {
    Running server(site_, {.header = 2s, .idle = 1s, .stalledWrite = 2s});
    httplib::Client client("127.0.0.1", server.port());
    client.set_keep_alive(true);
    // A fixed delay per answer (headers and body waiting on the client's
    // delayed acknowledgement) holds every answer 40 ms; a busy machine holds
    // only some of them, so the middle one tells.
    std::vector<double> took;
    for (int i = 0; i < 100; ++i) {
        const auto asked = std::chrono::steady_clock::now();
        auto res = client.Get("/movie.mp4", {{"Range", "bytes=0-1023"}});
        took.push_back(secondsSince(asked));
        ASSERT_TRUE(res);
        ASSERT_EQ(res->status, 206);
    }
    std::nth_element(took.begin(), took.begin() + 50, took.end());
    EXPECT_LT(took[50], 0.025);

    RawClient raw(server.port());
    const std::string request =
        "GET /js/cn1.js HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) + "\r\n\r\n";
    ASSERT_TRUE(raw.send(request + request));  // two at once: both answered in order
    const std::string both = raw.receiveUntil([](const std::string& got) {
        return got.find("HTTP/1.1 200 OK", 1) != std::string::npos && got.ends_with("\r\n\r\nvar a = 1;") &&
               got.find("var a = 1;") != got.rfind("var a = 1;");
    });
    const auto second = both.find("HTTP/1.1 200 OK", 1);
    ASSERT_NE(second, std::string::npos) << both;
    EXPECT_TRUE(both.starts_with("HTTP/1.1 200 OK"));
    EXPECT_TRUE(both.substr(0, second).ends_with("\r\n\r\nvar a = 1;"));
    EXPECT_TRUE(both.ends_with("\r\n\r\nvar a = 1;"));
    EXPECT_FALSE(raw.closedByServer());
    // Closed by the server once idle (1 s), not at once after the answers.
    const auto idle = std::chrono::steady_clock::now();
    raw.receive(10s);
    EXPECT_TRUE(raw.closedByServer());
    EXPECT_GT(secondsSince(idle), 0.5);
}

TEST_F(PreviewServerTest, SlowClientsAreCutOffAndNeverHoldUpOthers) {
    const auto headerLimit = 3s;
    Running server(site_, {.header = headerLimit, .idle = headerLimit, .stalledWrite = headerLimit});
    const std::string request =
        "GET /index.html HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) +
        "\r\nUser-Agent: one byte at a time\r\n\r\n";
    // 48 clients that send their request a byte every 100 ms (it would take
    // them 8 s), and 16 that send nothing.
    constexpr int kDripping = 48, kSilent = 16;
    std::vector<std::unique_ptr<RawClient>> slow;
    for (int i = 0; i < kDripping + kSilent; ++i) {
        slow.push_back(std::make_unique<RawClient>(server.port()));
        ASSERT_TRUE(slow.back()->connected());
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<double> closedAfter(slow.size(), -1);
    std::atomic<int> rounds{0};
    std::thread dripping([&] {
        for (std::size_t round = 0; secondsSince(start) < 30; ++round) {
            bool anyOpen = false;
            for (std::size_t i = 0; i < slow.size(); ++i) {
                if (closedAfter[i] >= 0) continue;
                if (slow[i]->closedByServer()) {
                    closedAfter[i] = secondsSince(start);
                    continue;
                }
                anyOpen = true;
                if (i < kDripping && round < request.size()) slow[i]->send(request.substr(round, 1));
            }
            ++rounds;
            if (!anyOpen) break;
            std::this_thread::sleep_for(100ms);
        }
    });

    // Asked while every slow client is still sending, and answered before the
    // first of them is cut off: they hold up nobody.
    while (rounds < 3 && secondsSince(start) < 30) std::this_thread::sleep_for(10ms);
    httplib::Client client("127.0.0.1", server.port());
    auto page = client.Get("/index.html");
    const double answeredAt = secondsSince(start);
    dripping.join();

    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    const double limit = std::chrono::duration<double>(headerLimit).count();
    for (std::size_t i = 0; i < slow.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(closedAfter[i], 0.9 * limit);  // cut off, and not before its time
        EXPECT_GT(closedAfter[i], answeredAt);
    }
}

TEST_F(PreviewServerTest, StopsAtOnceWhateverTheClientsDo) {
    // A movie far larger than the socket buffers, asked for and never read.
    { std::ofstream big(site_ / "big.mp4", std::ios::binary); }
    fs::resize_file(site_ / "big.mp4", 64 << 20);
    Running server(site_);
    const std::string host = "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n";
    RawClient halfHead(server.port());
    ASSERT_TRUE(halfHead.send("GET /index.html HTTP/1.1\r\n"));
    RawClient notReading(server.port());
    ASSERT_TRUE(notReading.send("GET /big.mp4 HTTP/1.1\r\n" + host + "\r\n"));
    RawClient silent(server.port());
    // The server has taken the clients in once the movie's answer arrives.
    ASSERT_TRUE(notReading.readable());

    // Waiting on any of them would hold the stop for their deadlines (5 s and more).
    EXPECT_TRUE(server.stop(3s));
}

TEST(PreviewServer, QueuesAsManyConnectionsAsTheSystemAllows) {
    // Not serving yet, so every connection waits in the listen queue.
    serve::PreviewServer server(fs::temp_directory_path());
    const int port = server.bind();
    ASSERT_GT(port, 0);
    constexpr int kClients = 200;
    std::vector<int> sockets;
    for (int i = 0; i < kClients; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        sockets.push_back(fd);
    }
    // A short queue drops the handshakes beyond it; the clients would retry
    // only after a second.
    const auto deadline = std::chrono::steady_clock::now() + 500ms;
    int established = 0;
    for (const int fd : sockets) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd watch{fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        if (::poll(&watch, 1, static_cast<int>(std::max<long>(left.count(), 0))) > 0 &&
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
            ++established;
        ::close(fd);
    }
    EXPECT_EQ(established, kClients);
}

TEST(PreviewServer, StopsWhetherOrNotItHasStartedServing) {
    const fs::path folder = fs::temp_directory_path();
    {
        serve::PreviewServer server(folder);
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
        EXPECT_EQ(serve::contentTypeFor(c.file), c.type) << c.file;
    }
    EXPECT_EQ(serve::previewAddress(8123, "index.html"), "http://127.0.0.1:8123/index.html");
    EXPECT_EQ(serve::previewAddress(80, "my tour #1 é.html"),
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
    double stopSeconds = -1;  // from the signal to the exit
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
    const auto signalled = std::chrono::steady_clock::now();
    ::kill(child, stopSignal);
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 1000 && (ended = ::waitpid(child, &status, WNOHANG)) == 0; ++i)
        std::this_thread::sleep_for(10ms);
    if (ended == child) run.stopSeconds = secondsSince(signalled);
    if (ended == 0) {  // still running: fail, never hang
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ::close(pipeEnds[0]);
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = platform::readFile(errFile).value();
    return run;
}

TEST_F(PreviewServerTest, VerbServesUntilInterruptedAndOpensTheBrowser) {
    const fs::path bin = base_ / "bin";
    const fs::path opened = base_ / "opened.txt";
    std::unique_ptr<RawClient> stalled;
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
            // A client stuck in the middle of its request must not hold the exit.
            stalled = std::make_unique<RawClient>(std::stoi(address.substr(17, slash - 17)));
            stalled->send("GET /index.html HTTP/1.1\r\nHost: 127.0.0.1");
            std::this_thread::sleep_for(100ms);
        });
    EXPECT_GE(run.stopSeconds, 0);
    EXPECT_LT(run.stopSeconds, 3.0);  // a stalled client would hold it for its deadline (5 s)
    EXPECT_TRUE(run.address.starts_with("http://127.0.0.1:")) << run.address;
    EXPECT_TRUE(run.address.ends_with("/index.html")) << run.address;
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(platform::readFile(opened).value(), run.address + "\n");
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
