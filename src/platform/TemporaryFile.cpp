// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TemporaryFile.h"

#include "platform/SysCall.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <utility>

namespace tollwick {
namespace {

// Random names clash almost never; a hundred clashes in a row mean something else is wrong.
constexpr int MaxTries = 100;
constexpr std::string_view Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

} // namespace

NewFile CreateTemporaryBeside(const std::string& path)
{
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, Letters.size() - 1);
    for (int attempt = 0; attempt < MaxTries; ++attempt) {
        std::string candidate = path + '.';
        for (int k = 0; k < 6; ++k) {
            candidate += Letters[pick(random)];
        }
        const int fd =
            RetryOnInterrupt([&] { return open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
        if (fd >= 0) {
            return {fd, std::move(candidate)};
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

} // namespace tollwick
