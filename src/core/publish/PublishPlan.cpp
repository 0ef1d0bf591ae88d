#include "core/publish/PublishPlan.h"

#include <algorithm>
#include <cerrno>
#include <set>

#include "core/platform/FileSystem.h"
#include "core/platform/MovieCopy.h"
#include "core/publish/Assets.h"
#include "core/publish/Page.h"
#include "core/publish/PublishMessages.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

namespace fs = std::filesystem;
using platform::FileKind;

constexpr std::string_view kConfigFolder = "js/ctr";
constexpr std::string_view kConfigName = "cn0.js";
platform::FileError problem(const fs::path& path, std::string action, std::string_view reason) {
    return platform::FileError{path, std::move(action), std::string(reason)};
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// A path the publish will put a file at: nothing there yet, or a regular file
// that is neither the project nor a movie being published.
void checkTarget(Plan& plan, const fs::path& target, const fs::path& project) {
    const platform::FileStatus status = platform::fileStatus(target);
    if (status.error != 0) {
        plan.problems.push_back(platform::errnoError(target, "write", status.error));
    } else if (status.kind == FileKind::Folder) {
        plan.problems.push_back(platform::errnoError(target, "write", EISDIR));
    } else if (status.kind == FileKind::Other) {
        plan.problems.push_back(problem(target, "write", platform::kNotRegularFile));
    } else if (status.kind == FileKind::Regular) {
        if (!project.empty() && sameFile(target, project)) {
            plan.problems.push_back(problem(target, "write", messages::kIsTheProject));
            return;
        }
        for (const fs::path& kept : plan.kept) {
            if (sameFile(target, kept)) {
                plan.problems.push_back(problem(target, "write", messages::kIsAMovie));
                return;
            }
        }
    }
}

void checkFolder(Plan& plan, const fs::path& folder) {
    const platform::FileStatus status = platform::fileStatus(folder);
    if (status.error != 0) {
        plan.problems.push_back(platform::errnoError(folder, "create folder", status.error));
    } else if (status.kind == FileKind::Regular || status.kind == FileKind::Other) {
        plan.problems.push_back(platform::errnoError(folder, "create folder", ENOTDIR));
    }
}

// The movie sources: regular files, each of its own name.
void planMovies(Plan& plan, const model::MovieSlots& movies) {
    std::set<std::string> names;
    for (std::size_t slot = 0; slot < movies.size(); ++slot) {
        const Result<fs::path> found = movies.absolutePath(slot);
        if (found.failed()) {
            plan.problems.push_back(found.failure());
            continue;
        }
        const fs::path& source = found.value();
        if (source.empty()) continue;
        const platform::FileStatus status = platform::fileStatus(source);
        if (status.error != 0 || status.kind == FileKind::Missing) {
            plan.problems.push_back(
                platform::errnoError(source, "open", status.error != 0 ? status.error : ENOENT));
            continue;
        }
        if (status.kind == FileKind::Folder) {
            plan.problems.push_back(platform::errnoError(source, "read", EISDIR));
            continue;
        }
        if (status.kind != FileKind::Regular) {
            plan.problems.push_back(problem(source, "copy", platform::kNotRegularFile));
            continue;
        }
        if (!names.insert(source.filename().string()).second) {
            plan.problems.push_back(problem(source, "copy", messages::kSameNameAsAnotherSlot));
            continue;
        }
        plan.kept.push_back(source);
        const fs::path target = plan.root / source.filename();
        plan.movies.push_back({slot, source, target, platform::liesIn(source, plan.root)});
    }
}

}  // namespace

Plan makePlan(const PublishJob& job, const fs::path& page, const std::string& config,
              const std::string& pageBytes, const std::vector<TreeFile>& besidePage) {
    Plan plan;
    plan.root = page.parent_path();
    plan.folders.push_back(plan.root);
    const auto folder = [&](std::string_view relative) {
        const fs::path path = plan.root / relative;
        for (const fs::path& known : plan.folders) {
            if (known == path) return path;
        }
        // "js/ctr" needs "js" first.
        if (const auto slash = relative.rfind('/'); slash != std::string_view::npos) {
            const fs::path parent = plan.root / relative.substr(0, slash);
            if (std::find(plan.folders.begin(), plan.folders.end(), parent) == plan.folders.end())
                plan.folders.push_back(parent);
        }
        plan.folders.push_back(path);
        return path;
    };

    bool iconsPlanned = false;
    for (const Asset& asset : treeAssets()) {
        if (asset.folder == "images" && !iconsPlanned) {
            const fs::path images = folder("images");
            for (int n = 1; n <= kHotSpotIconFiles; ++n)
                plan.files.push_back(
                    {images / ("hs" + std::to_string(n) + ".gif"), hotSpotIcon(job.hsIcon).bytes});
            iconsPlanned = true;
        }
        plan.files.push_back({folder(asset.folder) / asset.name, asset.bytes});
    }
    plan.files.push_back({folder(kConfigFolder) / kConfigName, config});
    for (const TreeFile& file : besidePage) plan.files.push_back({plan.root / file.target, file.bytes});
    plan.page = {page, pageBytes};

    planMovies(plan, job.movies);
    if (pageName(page.string()) != PageName::Page) {
        plan.problems.push_back(problem(page, "write", messages::kPageHasNoName));
    }
    for (const fs::path& path : plan.folders) checkFolder(plan, path);
    for (const TreeFile& file : plan.files) checkTarget(plan, file.target, job.project);
    checkTarget(plan, plan.page.target, job.project);
    for (const MovieCopyPlan& movie : plan.movies) {
        if (!movie.sameFile) checkTarget(plan, movie.target, job.project);
    }
    return plan;
}

}  // namespace tessaly::publish
