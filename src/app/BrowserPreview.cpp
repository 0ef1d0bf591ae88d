#include "app/BrowserPreview.h"

#include <QDir>

#include "serve/PreviewServer.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

namespace fs = std::filesystem;

constexpr char kFolderPattern[] = "tessaly-preview-XXXXXX";
constexpr char kPageName[] = "index.html";
constexpr std::string_view kNoPort = "No free port on 127.0.0.1";

}  // namespace

struct BrowserPreview::Served {
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<serve::PreviewServer> server;
    std::thread thread;

    ~Served() {
        // The server stops at once whatever its clients are doing; then the folder goes.
        server->stop();
        if (thread.joinable()) thread.join();
    }
};

BrowserPreview::BrowserPreview(QString parent) : parent_(std::move(parent)) {}

BrowserPreview::~BrowserPreview() = default;

Result<fs::path> BrowserPreview::newPage() {
    // QTemporaryDir makes the folder for this user alone (mode 0700).
    auto folder =
        std::make_unique<QTemporaryDir>(QDir(parent_).filePath(QString::fromLatin1(kFolderPattern)));
    if (!folder->isValid())
        return platform::FileError{ui::toPath(parent_), "create folder in", ui::utf8(folder->errorString())};
    next_ = std::move(folder);
    return ui::toPath(next_->path()) / kPageName;
}

Result<std::string> BrowserPreview::serve() {
    if (!next_) return platform::FileError{ui::toPath(parent_), "serve", "Nothing was published"};
    auto served = std::make_unique<Served>();
    served->folder = std::move(next_);
    const fs::path folder = ui::toPath(served->folder->path());
    served->server = std::make_unique<serve::PreviewServer>(folder);
    const int port = served->server->bind();
    if (port == 0) return platform::FileError{folder, "serve", std::string(kNoPort)};
    served->thread = std::thread([server = served->server.get()] { server->serve(); });
    served_ = std::move(served);
    return serve::previewAddress(port, kPageName);
}

void BrowserPreview::discard() { next_.reset(); }

fs::path BrowserPreview::servedFolder() const {
    return served_ ? ui::toPath(served_->folder->path()) : fs::path();
}

}  // namespace tessaly::app
