#pragma once

// Preview in Browser's own part: the private page it publishes into, the
// server that shows it, and the note with its address.

#include <filesystem>
#include <memory>
#include <optional>

#include "core/Prompts.h"
#include "core/publish/Publisher.h"

class QWidget;

namespace tessaly::app {

class BrowserPreview;
class Launcher;
class PreviewAddressNote;

class PreviewInBrowser {
public:
    PreviewInBrowser(QWidget* window, Prompts& prompts, Launcher& launcher);
    ~PreviewInBrowser();

    // The page file for the next preview, in a new private folder; none
    // (and the reason told) when the folder cannot be made.
    std::optional<std::filesystem::path> newPage();
    // After the page was published (or not, as `report` says): serves it,
    // opens it in the browser and leaves its address at hand.
    void show(const publish::PublishResult& result);
    // The server stops and its folder goes.
    void stop();

    // What is served now; null before the first preview.
    const BrowserPreview* preview() const { return preview_.get(); }
    // The note with the address; null before the first preview.
    PreviewAddressNote* note() const { return note_; }

private:
    QWidget* window_;
    Prompts& prompts_;
    Launcher& launcher_;
    std::unique_ptr<BrowserPreview> preview_;
    PreviewAddressNote* note_ = nullptr;  // owned by the window
};

}  // namespace tessaly::app
