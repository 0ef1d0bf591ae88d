#include "core/publish/Publisher.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <set>
#include <vector>

#include "core/publish/Assets.h"
#include "core/publish/ConfigScript.h"
#include "core/publish/MovieCopy.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Scrambler.h"
#include "core/text/Files.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPageExtension = ".html";

Message message(std::string_view text, std::string_view caption, Icon icon) {
    return Message{std::string(text), std::string(caption), icon};
}

// Everything that failed in one run; the run goes on and reports them together.
class Failures {
public:
    void add(const text::FileError& error) { lines_.push_back(error.message()); }
    bool empty() const { return lines_.empty(); }
    Message report() const {
        std::string text(messages::kPublishingFailed);
        for (const std::string& line : lines_) text += "\n" + line;
        return Message{text, std::string(messages::kWarningCaption), Icon::Error};
    }

private:
    std::vector<std::string> lines_;
};

// The published tree's folders, made on first use. A folder that cannot be
// made is reported once and its files are skipped.
class Folders {
public:
    Folders(fs::path root, Failures& failures) : root_(std::move(root)), failures_(failures) {}

    // The folder's path, or nothing when it is not there to write into.
    std::optional<fs::path> get(std::string_view relative) {
        const fs::path path = relative.empty() ? root_ : root_ / relative;
        const std::string key(relative);
        if (ready_.count(key)) return path;
        if (failed_.count(key)) return std::nullopt;
        if (!relative.empty()) {
            const auto slash = relative.rfind('/');
            if (!get(slash == std::string_view::npos ? std::string_view{} : relative.substr(0, slash))) {
                failed_.insert(key);
                return std::nullopt;
            }
        }
        if (relative.empty()) {
            // The page folder itself may be new when the path came from the command line.
            std::error_code ec;
            fs::create_directories(path, ec);
            if (ec && ec != std::errc::file_exists) return fail(key, path, ec.value());
        } else if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
            return fail(key, path, errno);
        }
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) return fail(key, path, errno);
        if (!S_ISDIR(info.st_mode)) return fail(key, path, ENOTDIR);
        ready_.insert(key);
        return path;
    }

private:
    std::optional<fs::path> fail(const std::string& key, const fs::path& path, int errorNumber) {
        failures_.add(text::errnoError(path, "create folder", errorNumber));
        failed_.insert(key);
        return std::nullopt;
    }

    fs::path root_;
    Failures& failures_;
    std::set<std::string> ready_, failed_;
};

void writeTreeFile(Folders& folders, Failures& failures, std::string_view folder, std::string_view name,
                   std::string_view bytes) {
    const auto path = folders.get(folder);
    if (!path) return;
    if (const auto error = text::writeFileAtomic(*path / name, bytes, text::Flush::Skip))
        failures.add(*error);
}

}  // namespace

std::string pagePathFor(std::string_view chosen) {
    std::string path = text::trimSpaces(chosen);
    if (path.empty()) return path;
    if (!text::endsWithNoCase(path, kPageExtension)) path += kPageExtension;
    return path;
}

PublishResult Publisher::publishWebMovie(const std::array<std::string, 3>& movies,
                                         model::ViewerSettings& settings,
                                         const hotspots::HotSpotList& hotSpots) {
    const std::string mainMovie = text::trimSpaces(movies[0]);
    if (mainMovie.empty()) {
        prompts_.show(message(messages::kNoMovie, messages::kWarningCaption, Icon::Warning));
        return PublishResult::Stopped;
    }
    std::error_code ec;
    if (!fs::is_regular_file(mainMovie, ec)) {
        prompts_.show(message(messages::kMovieNotFound, messages::kWarningCaption, Icon::Warning));
        return PublishResult::Stopped;
    }

    // The player lets go of the movie before it is copied.
    player_.stop();

    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.title = messages::kPublishDialogTitle;
    choice.filter = messages::kPublishDialogFilter;
    choice.initialName = messages::kPublishDialogName;
    choice.initialFolder = settings.saveDir;
    const auto chosen = prompts_.chooseFile(choice);
    if (!chosen) return PublishResult::Stopped;
    const std::string pagePath = pagePathFor(chosen->string());
    if (pagePath.empty()) return PublishResult::Stopped;
    const fs::path page = fs::absolute(pagePath).lexically_normal();
    const fs::path pageFolder = page.parent_path();
    settings.saveDir = pageFolder.string();

    Failures failures;
    Folders folders(pageFolder, failures);

    bool iconsWritten = false;
    for (const Asset& asset : treeAssets()) {
        if (asset.folder == "images" && !iconsWritten) {
            const Asset& icon = hotSpotIcon(settings.hsIcon);
            for (int n = 1; n <= kHotSpotIconFiles; ++n) {
                writeTreeFile(folders, failures, "images", "hs" + std::to_string(n) + ".gif", icon.bytes);
            }
            iconsWritten = true;
        }
        writeTreeFile(folders, failures, asset.folder, asset.name, asset.bytes);
    }

    const CollectedConfig config = collectConfig(settings);
    if (config.customSizeMessage) prompts_.show(*config.customSizeMessage);

    if (const auto root = folders.get("")) {
        for (std::size_t slot = 0; slot < movies.size(); ++slot) {
            const fs::path movie = slot == 0 ? fs::path(mainMovie) : fs::path(movies[slot]);
            if (slot > 0 && movies[slot].empty()) continue;
            CopyProgress progress;
            if (progress_)
                progress = [&](std::uint64_t done, std::uint64_t total) { progress_(movie, done, total); };
            const MovieCopyResult copy = copyMovie(movie, *root, progress);
            if (copy.error) failures.add(*copy.error);
        }
    }

    const SourceLines sources = buildSourceLines(movies);
    if (sources.error) {
        prompts_.show(*sources.error);
        if (!failures.empty()) prompts_.show(failures.report());
        return PublishResult::Stopped;
    }

    if (folders.get("")) {
        const std::string pageBytes =
            pageText(pageTemplate(), sources.lines, settings.htmlTitle, settings.htmlBgColor);
        if (const auto error = text::writeFileAtomic(page, pageBytes, text::Flush::Skip))
            failures.add(*error);
    }
    writeTreeFile(folders, failures, "js/ctr", "cn0.js",
                  scrambleScriptText(configScript(config.values, hotSpots)));

    if (!failures.empty()) {
        prompts_.show(failures.report());
        return PublishResult::Failed;
    }
    prompts_.show(message(messages::kPublishingSucceeded, messages::kInformationCaption, Icon::Information));
    return PublishResult::Succeeded;
}

}  // namespace tessaly::publish
