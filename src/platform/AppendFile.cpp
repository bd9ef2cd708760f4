// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendFile.h"

#include "platform/FileDescriptor.h"
#include "platform/SysCall.h"
#include "platform/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace tollwick {
namespace {

// Enough for many runs ending within one second; beyond that something is wrong.
constexpr int MaxSuffix = 10000;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The new name must survive a power loss too, not only the bytes.
bool SyncFolder(const std::string& folder)
{
    const FileDescriptor fd = OpenFile(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd.IsOpen() && RetryOnInterrupt([&] { return fsync(fd.Get()); }) == 0;
}

} // namespace

std::optional<AppendFile> AppendFile::CreateUnique(const std::string& stem, const std::string& extension,
                                                   std::chrono::milliseconds syncInterval)
{
    for (int number = 1; number <= MaxSuffix; ++number) {
        std::string path = stem;
        if (number > 1) {
            path.append("_").append(std::to_string(number));
        }
        path.append(extension);
        // 0666: the umask decides who may read the record.
        FileDescriptor fd = OpenFile(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0666);
        if (fd.IsOpen()) {
            return AppendFile(std::move(fd), std::move(path), syncInterval);
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

AppendFile::AppendFile(FileDescriptor fd, std::string path, std::chrono::milliseconds syncInterval)
    : fd_(std::move(fd)), path_(std::move(path)), syncInterval_(syncInterval),
      lastSync_(std::chrono::steady_clock::now())
{
}

bool AppendFile::AppendLine(std::string_view line)
{
    if (writeFailed_ || !fd_.IsOpen()) {
        return false;
    }
    // One write per line, so a kill never splits a line that reached the kernel.
    buffer_.assign(line);
    buffer_ += "\r\n";
    if (!WriteAll(fd_.Get(), buffer_)) {
        writeFailed_ = true;
        // A torn line would load as a wrong name: the file ends at its last whole line.
        (void)RetryOnInterrupt([&] { return ftruncate(fd_.Get(), wholeSize_); });
        return false;
    }
    lastLineStart_ = wholeSize_;
    wholeSize_ += static_cast<off_t>(buffer_.size());
    if (std::chrono::steady_clock::now() - lastSync_ >= syncInterval_) {
        SyncToDisk();
    }
    return true;
}

void AppendFile::SyncToDisk()
{
    lastSync_ = std::chrono::steady_clock::now();
    if (RetryOnInterrupt([&] { return fdatasync(fd_.Get()); }) != 0) {
        syncFailed_ = true;
        return;
    }
    // Best effort: a folder that cannot be opened still keeps the file.
    if (!folderSynced_) {
        folderSynced_ = SyncFolder(FolderOf(path_));
    }
}

bool AppendFile::DropLastLine()
{
    if (writeFailed_ || !fd_.IsOpen()) {
        return false;
    }
    if (RetryOnInterrupt([&] { return ftruncate(fd_.Get(), lastLineStart_); }) != 0) {
        writeFailed_ = true;
        return false;
    }
    wholeSize_ = lastLineStart_;
    return true;
}

void AppendFile::Discard()
{
    fd_.Reset();
    unlink(path_.c_str());
}

bool AppendFile::Finish()
{
    if (!fd_.IsOpen()) {
        return false;
    }
    if (!writeFailed_) {
        SyncToDisk();
    }
    if (!fd_.Close()) {
        syncFailed_ = true;
    }
    return !Failed();
}

} // namespace tollwick
