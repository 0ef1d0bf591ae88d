#include "core/publish/RedirectPage.h"

#include <array>

#include "core/publish/JsString.h"
#include "core/publish/PublishMessages.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

constexpr std::size_t kMinPathLength = 10;

bool tooShort(std::string_view path) { return text::characterCount(text::trimSpaces(path)) < kMinPathLength; }

tessaly::Message warning(std::string_view text) {
    return {std::string(text), tessaly::Topic::RedirectWarning};
}

}  // namespace

std::optional<tessaly::Message> checkRedirectPaths(std::string_view html5Path, std::string_view flashPath) {
    if (tooShort(html5Path)) return warning(messages::kHtml5PathMissing);
    if (tooShort(flashPath)) return warning(messages::kFlashPathMissing);
    return std::nullopt;
}

std::string redirectPageText(std::string_view html5Path, std::string_view flashPath) {
    const std::array<std::string, 37> lines{
        "<html>",
        "<head>",
        "<title>Redirect</title>",
        "<meta http-equiv=\"Content-Language\" content=\"en-us\">",
        "<style type='text/css' media='screen'>",
        "html, body { height:100%; background-color: #FFFFFF;}",
        "body { margin:0; padding:0; overflow:hidden; }",
        "#flashContent { width:100%; height:100%; }",
        "</style>",
        "</head>",
        "",
        "<body onload=\"start()\">",
        "<canvas id=\"myCanvas\" width=\"640\" height=\"480\"> redirect </canvas>",
        "<script type='text/javascript'>",
        "function start(){",
        "        var i=0;",
        "        if (!window.WebGLRenderingContext) {",
        "                 i = 0;",
        "        }else{",
        "                 var canvas = document.getElementById(\"myCanvas\");",
        "                 var context = canvas.getContext(\"webgl\") || "
        "canvas.getContext(\"experimental-webgl\");",
        "                 if (!context) {",
        "                     i = 0;",
        "                 }else{",
        "                     i = 1;",
        "                 }",
        "        }",
        "",
        "     if (i==0) {",
        "         window.location='" + escapeJsString(flashPath, '\'') + "'",
        "     }else{",
        "         window.location='" + escapeJsString(html5Path, '\'') + "'",
        "     }",
        "}",
        "</script>",
        "</body>",
        "</html>",
    };
    std::string page;
    for (const std::string& line : lines) {
        page += line;
        page += "\r\n";
    }
    return page;
}

Result<void> writeRedirectPage(const std::filesystem::path& path, std::string_view html5Path,
                               std::string_view flashPath) {
    return platform::writeFileAtomic(path, redirectPageText(html5Path, flashPath));
}

tessaly::Message redirectCreatedMessage() {
    return {std::string(messages::kRedirectCreated), tessaly::Topic::RedirectCreated};
}

}  // namespace tessaly::publish
