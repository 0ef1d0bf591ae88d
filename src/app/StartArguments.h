#pragma once

// `publisher [FILE]`: what a start's command line asks for. Qt's own options
// are taken out before this sees the arguments.

#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

namespace tessaly::app {

struct StartArguments {
    enum class Action { Run, Help, Wrong };
    Action action = Action::Run;
    std::string wrong;                         // the option not understood
    std::vector<std::filesystem::path> files;  // absolute; file: addresses become paths
};

// What `publisher --help` prints.
std::string startUsage();

// `arguments` without the program's name; relative paths count from `currentFolder`.
StartArguments parseStartArguments(const QStringList& arguments, const std::filesystem::path& currentFolder);

}  // namespace tessaly::app
