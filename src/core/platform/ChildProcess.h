#pragma once

// Starting another program (the ffmpeg command) so that it never outlives us:
// the kernel kills it when the thread that started it ends, however the
// program ends, a SIGKILL included. A Windows port puts it in a job object.

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace tessaly::platform {

struct StartedChild {
    pid_t pid = -1;
    int error = 0;  // errno when it could not be started (ENOENT: no such program)
};

// Starts `argv[0]` (looked up in PATH unless it holds a slash) with these
// arguments, its standard input /dev/null, and each `descriptors` pair's first
// descriptor as the second in the child; it inherits nothing else that is
// close-on-exec. The caller waits for it with waitpid on the same thread: the
// child is killed when that thread ends.
StartedChild startChild(const std::vector<std::string>& argv,
                        const std::vector<std::pair<int, int>>& descriptors);

}  // namespace tessaly::platform
