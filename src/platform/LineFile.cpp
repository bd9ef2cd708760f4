// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LineFile.h"

#include "platform/Errors.h"
#include "platform/SysCall.h"
#include "platform/TemporaryFile.h"
#include "platform/WriteAll.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tollwick {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    [[nodiscard]] int get() const { return fd_; }
    // close() reports late write errors, so the writer asks for its result.
    bool CloseChecked()
    {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

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
    // O_NONBLOCK and regular files only: a FIFO or a device must never hang the reader.
    FileDescriptor file(RetryOnInterrupt([&] { return open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }));
    struct stat status {};
    if (file.get() < 0 || fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw CannotOpenFile(path);
    }
    std::string text;
    text.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = RetryOnInterrupt([&] { return read(file.get(), buffer, sizeof buffer); });
        if (got < 0) {
            throw CannotOpenFile(path);
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return SplitLines(text);
}

void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines)
{
    const NewFile created = CreateTemporaryBeside(path);
    const std::string& temporary = created.path;
    FileDescriptor file(created.fd);
    if (file.get() < 0) {
        throw CannotCreateFile(path);
    }
    const bool written = KeepModeOfReplaced(file.get(), path) && WriteAll(file.get(), JoinWithCrLf(lines)) &&
                         fsync(file.get()) == 0 && file.CloseChecked() &&
                         RetryOnInterrupt([&] { return rename(temporary.c_str(), path.c_str()); }) == 0;
    if (!written) {
        unlink(temporary.c_str());
        throw CannotCreateFile(path);
    }
}

} // namespace tollwick
