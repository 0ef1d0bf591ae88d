#include <ostream>

#include "cli/Verbs.h"

namespace tessaly::cli {

int runResave(const Arguments& args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) {
        err << "Usage: tessaly resave IN.hs5 OUT.hs5\n";
        return 2;
    }
    err << "tessaly resave: project files are not supported yet\n";
    return 1;
}

}  // namespace tessaly::cli
