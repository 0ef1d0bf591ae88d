#pragma once

// The tessaly command's verbs, each with its usage once: a verb given wrong
// arguments prints its own usage line, and --help is built from all of them.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/Verbs.h"

namespace tessaly::cli {

struct Verb {
    std::string_view name;
    std::string_view arguments;  // what follows the verb, as the usage line shows it
    std::string_view summary;    // --help's description, one line of it after each '\n'
    int (*run)(const Arguments& args, std::ostream& out, std::ostream& err);
};

// In --help's order.
std::span<const Verb> verbs();

// "Usage: tessaly publish PROJECT.hs5 PAGE.html [...]\n"
std::string usage(std::string_view verb);

// Every verb's usage and summary, and --help's own.
std::string helpText();

}  // namespace tessaly::cli
