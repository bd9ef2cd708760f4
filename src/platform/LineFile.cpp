// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LineFile.h"

#include "platform/Errors.h"
#include "platform/FileDescriptor.h"
#include "platform/SysCall.h"
#include "platform/TemporaryFile.h"
#include "platform/WriteAll.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

std::string JoinWithCrLf(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// A file that is replaced keeps its mode; a new one keeps what the umask gave it.
bool KeepModeOfReplaced(int fd, const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) != 0 || fchmod(fd, status.st_mode & 07777U) == 0;
}

std::string ReadOpenedText(const FileDescriptor& file, const std::string& path)
{
    struct stat status {};
    // Regular files only: a FIFO or a device must never hang the reader.
    if (!file.IsOpen() || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw CannotOpenFile(path);
    }
    std::string text;
    text.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = RetryOnInterrupt([&] { return read(file.Get(), buffer, sizeof buffer); });
        if (got < 0) {
            throw CannotOpenFile(path);
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

std::string ReadText(const std::string& path)
{
    return ReadOpenedText(OpenFile(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK), path);
}

} // namespace

std::vector<std::string> SplitLines(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    return SplitLines(ReadText(path));
}

std::vector<std::string> ReadEndedLines(const std::string& path)
{
    std::string text = ReadText(path);
    text.resize(std::min(text.size(), text.find('\0')));
    const std::size_t lastEnd = text.find_last_of("\r\n");
    text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    return SplitLines(text);
}

std::optional<std::vector<std::string>> ReadLinesIfPresent(const std::string& path)
{
    const FileDescriptor file = OpenFile(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (!file.IsOpen() && errno == ENOENT) {
        return std::nullopt;
    }
    return SplitLines(ReadOpenedText(file, path));
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines)
{
    const NewFile created = CreateTemporaryBeside(path);
    const std::string& temporary = created.path;
    FileDescriptor file(created.fd);
    if (!file.IsOpen()) {
        throw CannotCreateFile(path);
    }
    const bool written = KeepModeOfReplaced(file.Get(), path) && WriteAll(file.Get(), JoinWithCrLf(lines)) &&
                         fsync(file.Get()) == 0 && file.Close() &&
                         RetryOnInterrupt([&] { return rename(temporary.c_str(), path.c_str()); }) == 0;
    if (!written) {
        unlink(temporary.c_str());
        throw CannotCreateFile(path);
    }
}

} // namespace tollwick
