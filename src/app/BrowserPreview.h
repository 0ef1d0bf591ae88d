#pragma once

// What File > Preview in Browser leaves running: the page published into a
// private temporary folder (only this user may enter it) and served from there
// on 127.0.0.1 by the same server as `tessaly preview`. A new preview takes the
// place of the last one; the server and its folder go with this object.

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/platform/Files.h"

namespace tessaly::serve {
class PreviewServer;
}

namespace tessaly::app {

class BrowserPreview {
public:
    // Private folders are made in `parent` (the system's temporary folder).
    explicit BrowserPreview(QString parent);
    ~BrowserPreview();
    BrowserPreview(const BrowserPreview&) = delete;
    BrowserPreview& operator=(const BrowserPreview&) = delete;

    // The page file in a new, empty private folder, for the next preview; the
    // page served so far stays until serve() takes its place.
    Result<std::filesystem::path> newPage();
    // Serves the page newPage() gave, once it is published, in place of the
    // last one, which goes with its folder. The page's address, or why not
    // (the new folder is then removed and the last page stays).
    Result<std::string> serve();
    // Removes the folder newPage() gave, when its page could not be published.
    void discard();

    // The folder served now; empty when none is.
    std::filesystem::path servedFolder() const;

private:
    struct Served;

    QString parent_;
    std::unique_ptr<QTemporaryDir> next_;
    std::unique_ptr<Served> served_;
};

}  // namespace tessaly::app
