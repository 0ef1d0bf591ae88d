// A recovery file as it may be found in the user's data folder after a crash,
// or planted there: any bytes. What it names must pass the checks or be
// dropped, and what is read must save as a project that reads back.

#include <cstdlib>

#include "FuzzInput.h"
#include "core/model/RecoveryFile.h"
#include "core/text/Text.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file("recovery.hs5");
    file.hold(data, size);
    const auto check = [](const model::RecoveredWork& work) {
        const std::filesystem::path& named = work.project;
        if (!named.empty() &&
            (!named.is_absolute() || !text::endsWithNoCase(named.string(), model::kProjectExtension)))
            std::abort();
    };
    const Result<model::RecoveredWork> read = model::readRecovery(file.path(), {}, "/home/ana");
    if (read.failed()) return 0;
    const model::RecoveredWork& recovered = read.value();
    check(recovered);
    const std::string saved = model::recoveryText(recovered.work.settings, recovered.work.written,
                                                  recovered.work.hotSpots, recovered.project);
    file.hold(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size());
    const Result<model::RecoveredWork> again = model::readRecovery(file.path(), {}, "/home/ana");
    if (again.failed()) std::abort();
    check(again.value());
    return 0;
}
