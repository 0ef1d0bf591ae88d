#include <gtest/gtest.h>

#include <string>

#include "serve/HttpRequest.h"

using namespace tessaly::serve;

namespace {

TEST(HttpRequest, ReadsTheFieldsTheServerNeeds) {
    const std::string head =
        "GET /my%20tour/movie.mp4?v=2#t HTTP/1.1\r\n"
        "host:  127.0.0.1:8080 \r\n"
        "Range: bytes=0-99\r\n"
        "If-Range: \"abc\"\r\n"
        "User-Agent: test\r\n"
        "\r\n"
        "GET /next";
    const ParsedHead parsed = parseRequestHead(head);
    ASSERT_EQ(parsed.status, HeadStatus::Complete);
    EXPECT_EQ(parsed.headSize, head.find("GET /next"));
    EXPECT_EQ(parsed.request.method, "GET");
    EXPECT_EQ(parsed.request.path, "/my tour/movie.mp4");
    EXPECT_TRUE(parsed.request.http11);
    EXPECT_EQ(parsed.request.host, "127.0.0.1:8080");
    EXPECT_EQ(parsed.request.range, "bytes=0-99");
    EXPECT_EQ(parsed.request.ifRange, "\"abc\"");
    EXPECT_TRUE(parsed.request.keepAlive);
    EXPECT_FALSE(parsed.request.hasBody);
}

TEST(HttpRequest, KeepsTheConnectionAsEachVersionSays) {
    struct Case {
        const char* head;
        bool keepAlive;
    };
    for (const Case& c :
         {Case{"GET / HTTP/1.1\r\n\r\n", true}, Case{"GET / HTTP/1.1\r\nConnection: close\r\n\r\n", false},
          Case{"GET / HTTP/1.1\r\nConnection: Upgrade, CLOSE\r\n\r\n", false},
          Case{"GET / HTTP/1.0\r\n\r\n", false},
          Case{"GET / HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n", true},
          Case{"GET / HTTP/1.0\nConnection: keep-alive\n\n", true}}) {
        SCOPED_TRACE(c.head);
        const ParsedHead parsed = parseRequestHead(c.head);
        ASSERT_EQ(parsed.status, HeadStatus::Complete);
        EXPECT_EQ(parsed.request.keepAlive, c.keepAlive);
    }
}

TEST(HttpRequest, NotesABodyItWillNotRead) {
    EXPECT_TRUE(parseRequestHead("POST / HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello").request.hasBody);
    EXPECT_TRUE(parseRequestHead("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n").request.hasBody);
    EXPECT_FALSE(parseRequestHead("GET / HTTP/1.1\r\nContent-Length: 0\r\n\r\n").request.hasBody);
}

TEST(HttpRequest, WaitsForTheEndOfTheHeadAndRefusesOneTooLarge) {
    EXPECT_EQ(parseRequestHead("").status, HeadStatus::Incomplete);
    EXPECT_EQ(parseRequestHead("GET / HTTP/1.1\r\nHost: a\r\n").status, HeadStatus::Incomplete);
    const std::string endless = "GET / HTTP/1.1\r\nX: " + std::string(kMaxRequestHead, 'a');
    EXPECT_EQ(parseRequestHead(endless).status, HeadStatus::TooLarge);
    const std::string longComplete = endless + "\r\n\r\n";
    EXPECT_EQ(parseRequestHead(longComplete).status, HeadStatus::TooLarge);
}

TEST(HttpRequest, RefusesMalformedHeads) {
    for (const char* head : {
             "GET /\r\n\r\n",                                  // no version
             "GET / HTTP/2.0\r\n\r\n",                         // not 1.x
             "GET  / HTTP/1.1\r\n\r\n",                        // two spaces
             "GET http://evil/ HTTP/1.1\r\n\r\n",              // not a path
             "GET /%zz HTTP/1.1\r\n\r\n",                      // bad escape
             "GET /%4 HTTP/1.1\r\n\r\n",                       // cut escape
             "GET / HTTP/1.1\r\nHost 127.0.0.1\r\n\r\n",       // no colon
             "GET / HTTP/1.1\r\nHost : a\r\n\r\n",             // space before the colon
             "GET / HTTP/1.1\r\nX: a\r\n folded\r\n\r\n",      // folded line
             "GET / HTTP/1.1\r\nHost: a\r\nHost: b\r\n\r\n",   // two hosts
             "GET / HTTP/1.1\r\nRange: a\r\nrange: b\r\n\r\n"  // two ranges
         }) {
        SCOPED_TRACE(head);
        EXPECT_EQ(parseRequestHead(head).status, HeadStatus::Malformed);
    }
    std::string withNul = "GET / HTTP/1.1\r\nX: a";
    withNul += '\0';
    withNul += "b\r\n\r\n";
    EXPECT_EQ(parseRequestHead(withNul).status, HeadStatus::Malformed);
}

}  // namespace
