#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "core/publish/RedirectPage.h"

using namespace tessaly;
using namespace tessaly::publish;

namespace {

const Message kHtml5Warning{"Please add the web path to the Html5 360 Video solution",
                            Topic::RedirectWarning};
const Message kFlashWarning{"Please add the web path to the Flash 360 Video solution",
                            Topic::RedirectWarning};

const std::string kPage =
    "<html>\r\n"
    "<head>\r\n"
    "<title>Redirect</title>\r\n"
    "<meta http-equiv=\"Content-Language\" content=\"en-us\">\r\n"
    "<style type='text/css' media='screen'>\r\n"
    "html, body { height:100%; background-color: #FFFFFF;}\r\n"
    "body { margin:0; padding:0; overflow:hidden; }\r\n"
    "#flashContent { width:100%; height:100%; }\r\n"
    "</style>\r\n"
    "</head>\r\n"
    "\r\n"
    "<body onload=\"start()\">\r\n"
    "<canvas id=\"myCanvas\" width=\"640\" height=\"480\"> redirect </canvas>\r\n"
    "<script type='text/javascript'>\r\n"
    "function start(){\r\n"
    "        var i=0;\r\n"
    "        if (!window.WebGLRenderingContext) {\r\n"
    "                 i = 0;\r\n"
    "        }else{\r\n"
    "                 var canvas = document.getElementById(\"myCanvas\");\r\n"
    "                 var context = canvas.getContext(\"webgl\") || "
    "canvas.getContext(\"experimental-webgl\");\r\n"
    "                 if (!context) {\r\n"
    "                     i = 0;\r\n"
    "                 }else{\r\n"
    "                     i = 1;\r\n"
    "                 }\r\n"
    "        }\r\n"
    "\r\n"
    "     if (i==0) {\r\n"
    "         window.location='FLASH'\r\n"
    "     }else{\r\n"
    "         window.location='HTML5'\r\n"
    "     }\r\n"
    "}\r\n"
    "</script>\r\n"
    "</body>\r\n"
    "</html>\r\n";

std::string expectedPage(const std::string& html5, const std::string& flash) {
    std::string page = kPage;
    page.replace(page.find("FLASH"), 5, flash);
    page.replace(page.find("HTML5"), 5, html5);
    return page;
}

}  // namespace

TEST(RedirectPage, PathChecks) {
    EXPECT_FALSE(checkRedirectPaths("0123456789", "http://x.y/flash.html"));
    EXPECT_EQ(checkRedirectPaths("012345678", "http://x.y/flash.html"), kHtml5Warning);
    EXPECT_EQ(checkRedirectPaths("   012345678  ", "http://x.y/flash.html"), kHtml5Warning);
    EXPECT_EQ(checkRedirectPaths("", ""), kHtml5Warning);
    EXPECT_EQ(checkRedirectPaths("http://x.y/a.html", " 12345678 "), kFlashWarning);
    // Characters, not bytes.
    EXPECT_EQ(checkRedirectPaths("ééééééééé", "0123456789"), kHtml5Warning);
}

TEST(RedirectPage, ThirtySevenLines) {
    const std::string page = redirectPageText("http://x.y/html5.html", "  http://x.y/flash.html");
    EXPECT_EQ(page, expectedPage("http://x.y/html5.html", "  http://x.y/flash.html"));
    std::size_t lines = 0;
    for (std::size_t p = 0; (p = page.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
    EXPECT_EQ(lines, 37u);
}

TEST(RedirectPage, PathsStayInsideTheirString) {
    EXPECT_EQ(redirectPageText("http://x.y/ana's tour.html", "C:\\tours\\flash.html"),
              expectedPage("http://x.y/ana\\'s tour.html", "C:\\\\tours\\\\flash.html"));
    EXPECT_EQ(redirectPageText("http://x.y/a.html</script>", "http://x.y/flash.html"),
              expectedPage("http://x.y/a.html<\\/script>", "http://x.y/flash.html"));
}

TEST(RedirectPage, WriteAndMessage) {
    const auto path =
        std::filesystem::temp_directory_path() / ("tessaly-redirect-" + std::to_string(::getpid()));
    ASSERT_TRUE(platform::writeFileAtomic(path, std::string(5000, 'o')).ok());
    ASSERT_TRUE(writeRedirectPage(path, "http://x.y/html5.html", "http://x.y/flash.html").ok());
    EXPECT_EQ(platform::readFile(path).value(),
              expectedPage("http://x.y/html5.html", "http://x.y/flash.html"));
    std::filesystem::remove(path);
    EXPECT_EQ(redirectCreatedMessage(), (Message{"Redirect web page created!", Topic::RedirectCreated}));
}
