// A hidden journal as anyone who can write into a page folder might leave one:
// any bytes, recovered as the next publish or encode into that folder would.
// The folder sits beside another holding files and folders a journal could
// name; a finding is any change there, a file the project names that goes, or
// a change in the page folder by a journal recovery would not trust.
//
// "%0" to "%5" in the input stand for the device, inode and size of the files
// set out below, so that inputs can name them as a run would.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "core/platform/Files.h"
#include "core/platform/StagedTree.h"

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

const fs::path& root() {
    static const fs::path path =
        fs::temp_directory_path() / ("tessaly-fuzz-journal-" + std::to_string(::getpid()));
    return path;
}

void write(const fs::path& path, const std::string& bytes) {
    if (platform::writeFileAtomic(path, bytes, platform::Flush::Skip).failed()) std::abort();
}

std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> result;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink()) {
            result[name] = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_directory()) {
            result[name] = "folder";
        } else {
            const Result<std::string> read = platform::readFile(entry.path());
            result[name] = (read.ok() ? read.value() : std::string()) + "@" +
                           std::to_string(platform::fileIdentity(entry.path())->inode);
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path site = root() / "site", elsewhere = root() / "elsewhere";
    static const std::map<std::string, std::string> outside = [&] {
        fs::remove_all(root());
        fs::create_directories(elsewhere / "empty");
        write(elsewhere / "important.txt", "important");
        write(elsewhere / ".important.txt.tmp-abcdefgh", "also important");
        return contents(root());
    }();
    fs::remove_all(site);
    fs::create_directories(site / "js" / "empty");
    fs::create_directory_symlink("../elsewhere", site / "out");
    write(site / "index.html", "old page");
    write(site / "js" / "a.js", "script");
    write(site / ".index.html.tmp-abcdefgh", "hidden");
    write(site / "tour.mov", "the project's movie");
    const fs::path named[] = {site / "index.html",
                              site / "js" / "a.js",
                              site / ".index.html.tmp-abcdefgh",
                              elsewhere / "important.txt",
                              elsewhere / ".important.txt.tmp-abcdefgh",
                              site / "tour.mov"};
    if (size == 0) return 0;

    const auto kind = data[0] & 1 ? platform::JournalKind::Encode : platform::JournalKind::Publish;
    std::string journal;
    for (std::size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '%' && i + 1 < size && data[i + 1] >= '0' && data[i + 1] <= '5') {
            const platform::FileIdentity id = *platform::fileIdentity(named[data[++i] - '0']);
            journal +=
                std::to_string(id.device) + '\0' + std::to_string(id.inode) + '\0' + std::to_string(id.size);
        } else {
            journal += c;
        }
    }
    write(platform::journalPath(site, kind), journal);
    const auto before = contents(site);
    const platform::TreeRecovery recovery =
        platform::recoverInterruptedTree(site, kind, platform::keptFiles({site / "tour.mov"}));

    std::map<std::string, std::string> after = contents(root());
    std::erase_if(after, [](const auto& entry) { return entry.first.starts_with("site"); });
    if (after != outside) std::abort();
    if (platform::readFile(site / "tour.mov").value() != "the project's movie") std::abort();
    if (!recovery.foreignJournal.empty() && contents(site) != before) std::abort();
    return 0;
}
