#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "serve/ServedFile.h"

namespace tessaly::serve {
namespace {

std::string entityTag(const struct stat& info) {
    char text[80];
    const int n =
        std::snprintf(text, sizeof text, "\"%llx-%llx-%llx\"", static_cast<unsigned long long>(info.st_ino),
                      static_cast<unsigned long long>(info.st_size),
                      static_cast<unsigned long long>(info.st_mtim.tv_sec) * 1000000000ULL +
                          static_cast<unsigned long long>(info.st_mtim.tv_nsec));
    return std::string(text, static_cast<std::size_t>(n));
}

}  // namespace

ServedFile openServedFile(const std::filesystem::path& file) {
    ServedFile served;
    served.fd.reset(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!served.fd.valid()) {
        served.result = errno == EACCES ? ServedFile::Result::Forbidden : ServedFile::Result::NotFound;
        return served;
    }
    struct stat info {};
    if (::fstat(served.fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        served.fd.reset();
        return served;
    }
    served.result = ServedFile::Result::Opened;
    served.size = static_cast<std::uint64_t>(info.st_size);
    served.tag = entityTag(info);
    return served;
}

}  // namespace tessaly::serve
