#pragma once

// Fixture files of the model tests and the golden-file comparison.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/platform/Files.h"

namespace tessaly::model::testing {

inline std::filesystem::path fixturePath(const std::string& name) {
    return std::filesystem::path(TESSALY_FIXTURES) / "model" / name;
}

inline std::string fixture(const std::string& name) {
    const auto file = platform::readFile(fixturePath(name));
    if (file.failed()) {
        ADD_FAILURE() << file.failure().message();
        return {};
    }
    return file.value();
}

// Compares whole files; on a difference the actual bytes are left beside the
// build for inspection.
inline void expectGolden(const std::string& actual, const std::string& goldenName) {
    const std::string golden = fixture(goldenName);
    if (actual == golden) return;
    const auto out = std::filesystem::current_path() / (goldenName + ".actual");
    (void)platform::writeFileAtomic(out, actual);
    ADD_FAILURE() << "differs from " << goldenName << "; actual output written to " << out.string();
}

// A fresh, empty folder for one test.
inline std::filesystem::path scratchFolder(const std::string& name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("tessaly-model-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace tessaly::model::testing
