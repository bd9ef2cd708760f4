// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealPath.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace tollwick {
namespace {

struct FreeDeleter {
    void operator()(char* text) const { std::free(text); } // NOLINT(cppcoreguidelines-no-malloc): realpath mallocs
};

ResolvedFolder Failure(int error)
{
    return {std::nullopt, std::strerror(error)}; // NOLINT(concurrency-mt-unsafe): one thread
}

} // namespace

ResolvedFolder ResolveFolder(const std::string& path)
{
    if (path.empty()) {
        return Failure(ENOENT);
    }
    const std::unique_ptr<char, FreeDeleter> resolved(realpath(path.c_str(), nullptr));
    if (!resolved) {
        return Failure(errno);
    }
    struct stat status {};
    if (stat(resolved.get(), &status) != 0) {
        return Failure(errno);
    }
    if (!S_ISDIR(status.st_mode)) {
        return Failure(ENOTDIR);
    }
    std::string folder(resolved.get());
    if (folder.back() != '/') {
        folder += '/';
    }
    return {std::move(folder), {}};
}

} // namespace tollwick
