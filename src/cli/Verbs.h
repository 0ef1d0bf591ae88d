#pragma once

// The verbs of the tessaly command. Each takes the arguments after the verb and
// returns the process exit status; messages go to `err`, results to `out`.

#include <iosfwd>
#include <string>
#include <vector>

namespace tessaly::cli {

using Arguments = std::vector<std::string>;

int runResave(const Arguments& args, std::ostream& out, std::ostream& err);
// Exit 0 only when publishing succeeded.
int runPublish(const Arguments& args, std::ostream& out, std::ostream& err);
// Prints what each movie holds; exit 1 when one cannot be read.
int runInspect(const Arguments& args, std::ostream& out, std::ostream& err);
// Makes the web versions of the project's movie beside it and puts them in its
// slots 2 and 3; exit 0 only when both the versions and the project were written.
int runEncode(const Arguments& args, std::ostream& out, std::ostream& err);
int runRedirect(const Arguments& args, std::ostream& out, std::ostream& err);
// Serves a published page's folder on 127.0.0.1 until SIGINT or SIGTERM (then
// exit 0); prints the page's address on `out` and opens it in the browser.
int runPreview(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace tessaly::cli
