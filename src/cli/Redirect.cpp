#include <ostream>

#include "cli/Console.h"
#include "cli/Usage.h"
#include "cli/Verbs.h"
#include "core/publish/Page.h"
#include "core/publish/RedirectPage.h"

namespace tessaly::cli {

// Writes the redirect page as the selector's button does, with the page path
// given instead of chosen.
int runRedirect(const Arguments& args, std::ostream&, std::ostream& err) {
    if (args.size() != 3) {
        err << usage("redirect");
        return 2;
    }
    if (const auto warning = publish::checkRedirectPaths(args[0], args[1])) {
        printMessage(err, *warning);
        return 1;
    }
    if (publish::pageName(args[2]) != publish::PageName::Page) {
        err << usage("redirect");
        return 2;
    }
    const std::string page = publish::pagePathFor(args[2]);
    if (const auto written = publish::writeRedirectPage(page, args[0], args[1]); written.failed()) {
        err << kPrefix << written.failure().message() << '\n';
        return 1;
    }
    printMessage(err, publish::redirectCreatedMessage());
    return 0;
}

}  // namespace tessaly::cli
