#include "selector/RedirectCommand.h"

#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/RedirectPage.h"

namespace tessaly::selector {

void RedirectCommand::create(std::string_view html5Path, std::string_view flashPath) {
    if (const auto warning = publish::checkRedirectPaths(html5Path, flashPath)) {
        prompts_.show(*warning);
        return;
    }
    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.title = publish::messages::kPublishDialogTitle;
    choice.filter = publish::pageDialogFilter();
    choice.initialName = namePattern(publish::kPageExtension);
    choice.initialFolder = saveFolder_;
    const auto chosen = prompts_.chooseFile(choice);
    if (!chosen) return;
    if (publish::pageName(chosen->string()) != publish::PageName::Page) return;
    const std::string page = publish::pagePathFor(chosen->string());
    saveFolder_ = std::filesystem::path(page).parent_path();

    // Reported instead of the success message: nothing was written.
    if (const auto written = publish::writeRedirectPage(page, html5Path, flashPath); written.failed()) {
        prompts_.show({written.failure().message(), Topic::RedirectFailure});
        return;
    }
    prompts_.show(publish::redirectCreatedMessage());
}

}  // namespace tessaly::selector
