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
    Result<std::filesystem::path> page = preview_->newPage();
    if (page.failed()) {
        reportError(prompts_, page.failure());
        return std::nullopt;
    }
    return std::move(page).value();
}

void PreviewInBrowser::show(const publish::PublishResult& result) {
    if (result.failed()) {
        preview_->discard();
        const Message told = publish::publishMessage(result);
        if (!told.text.empty()) prompts_.show(told);
        return;
    }
    const Result<std::string> address = preview_->serve();
    if (address.failed()) {
        reportError(prompts_, address.failure());
        return;
    }
    const QString url = ui::qs(address.value());
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
