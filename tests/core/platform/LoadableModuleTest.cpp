// Loading modules, and a process that has loaded many ending cleanly: every
// test program here loads media plug-ins, drivers and our own module, and the
// leak check at its exit walks their thread-local blocks. A runtime that
// misreads one of them crashes the exit of a test that passed, and only when
// the block happens to lie at a certain place in memory (which differs from
// machine to machine); with hundreds loaded, some block always lies there.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "../ScratchFolder.h"
#include "core/platform/Files.h"
#include "core/platform/LoadableModule.h"

using namespace tessaly;
namespace fs = std::filesystem;

TEST(LoadableModule, AProcessThatLoadedManyModulesWithThreadStorageEndsCleanly) {
    const fs::path dir = test_support::scratchFolder("loadable-module", "thread-storage");
    const fs::path err = dir / "err.txt";
    const fs::path seen = dir / "seen.txt";

    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int said = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (said < 0 || ::dup2(said, STDERR_FILENO) < 0) std::_Exit(2);
        // Copies of one module until three blocks lie 16 bytes past a page's
        // start, where an old runtime looks for a header of its own. Blocks of
        // one size are handed out one after the other, so allocations of the
        // block's size until the next would start a page bring that about.
        int modules = 0, atPageStart = 0;
        std::vector<std::unique_ptr<int>> between;
        between.reserve(1 << 16);
        for (; modules < 3000 && atPageStart < 3; ++modules) {
            const fs::path copy = dir / (std::to_string(modules) + ".so");
            fs::copy_file(TESSALY_THREAD_STORAGE_MODULE, copy);
            const platform::ModuleSymbol touch =
                platform::loadModuleSymbol(copy, "tessaly_touch_thread_storage");
            if (touch.address == nullptr) std::_Exit(3);
            for (int k = 0; k < 512 && between.size() < between.capacity(); ++k) {
                between.push_back(std::make_unique<int>(k));
                if ((reinterpret_cast<std::uintptr_t>(between.back().get()) + 32) % 4096 == 16) break;
            }
            const auto block =
                reinterpret_cast<std::uintptr_t>(reinterpret_cast<int* (*)()>(touch.address)());
            if (block % 4096 == 16) ++atPageStart;
        }
        if (platform::writeFileAtomic(seen, std::to_string(atPageStart) + " of " + std::to_string(modules))
                .failed())
            std::_Exit(4);
        std::exit(0);  // exit, not _Exit: the leak check runs
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    const std::string said = platform::readFile(err).value();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << "\n" << said;
    EXPECT_EQ(said, "");
    EXPECT_TRUE(platform::readFile(seen).value().starts_with("3 of ")) << platform::readFile(seen).value();
    fs::remove_all(dir);
}
