#include "app/PreviewInBrowser.h"

#include <QDir>
#include <QUrl>

#include "app/BrowserPreview.h"
#include "app/DesktopTexts.h"
#include "app/Launcher.h"
#include "app/PreviewAddressNote.h"
#include "app/ProjectSession.h"
#include "ui/Strings.h"

namespace tessaly::app {

PreviewInBrowser::PreviewInBrowser(QWidget* window, Prompts& prompts, Launcher& launcher)
    : window_(window), prompts_(prompts), launcher_(launcher) {}

PreviewInBrowser::~PreviewInBrowser() = default;

std::optional<std::filesystem::path> PreviewInBrowser::newPage() {
    if (!preview_) preview_ = std::make_unique<BrowserPreview>(QDir::tempPath());
    auto page = preview_->newPage();
    if (const auto* error = std::get_if<platform::FileError>(&page)) {
        reportError(prompts_, *error);
        return std::nullopt;
    }
    return std::get<std::filesystem::path>(std::move(page));
}

void PreviewInBrowser::show(const publish::PublishResult& result) {
    if (result.failed()) {
        preview_->discard();
        const Message told = publish::publishMessage(result);
        if (!told.text.empty()) prompts_.show(told);
        return;
    }
    const auto address = preview_->serve();
    if (const auto* error = std::get_if<platform::FileError>(&address)) {
        reportError(prompts_, *error);
        return;
    }
    const QString url = ui::qs(std::get<std::string>(address));
    const bool opened = launcher_.openUrl(QUrl(url));
    // The address stays at hand for another browser, or for when none started.
    if (note_ == nullptr) note_ = new PreviewAddressNote(window_);
    note_->showAddress(url);
    if (!opened) {
        prompts_.show(Message{ui::utf8(ui::qs(texts::kNoBrowser).arg(url)), Topic::Preview});
    }
}

void PreviewInBrowser::stop() { preview_.reset(); }

}  // namespace tessaly::app
