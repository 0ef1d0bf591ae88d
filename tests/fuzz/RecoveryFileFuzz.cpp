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
        if (!named.empty() && (work.work.error || !named.is_absolute() ||
                               !text::endsWithNoCase(named.string(), model::kProjectExtension)))
            std::abort();
    };
    const model::RecoveredWork recovered = model::readRecovery(file.path(), {}, "/home/ana");
    check(recovered);
    if (recovered.work.error) return 0;
    const std::string saved = model::recoveryText(recovered.work.settings, recovered.work.written,
                                                  recovered.work.hotSpots, recovered.project);
    file.hold(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size());
    const model::RecoveredWork again = model::readRecovery(file.path(), {}, "/home/ana");
    check(again);
    if (again.work.error) std::abort();
    return 0;
}
