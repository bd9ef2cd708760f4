// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendFile.h"

#include "platform/FileDescriptor.h"
#include "platform/SysCall.h"
#include "platform/WriteAll.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace tollwick {
namespace {

// Enough for many runs ending within one second; beyond that something is wrong.
constexpr int MaxSuffix = 10000;

// The file grows by its own length, within these bounds: a record of a
// million lines grows a few dozen times.
constexpr std::size_t FirstGrowth = std::size_t{64} * 1024;
constexpr std::size_t LargestGrowth = std::size_t{16} * 1024 * 1024;

// The clock is asked whether a sync is due once per so many lines.
constexpr unsigned LinesPerClockRead = 64;

constexpr std::string_view LineEnd = "\r\n";

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

bool Truncate(int fd, std::size_t length)
{
    return RetryOnInterrupt([&] { return ftruncate(fd, static_cast<off_t>(length)); }) == 0;
}

// Makes the file `length` bytes long with its disk space taken: 0 or the error.
int Reserve(int fd, std::size_t from, std::size_t length)
{
    return posix_fallocate(fd, static_cast<off_t>(from), static_cast<off_t>(length - from));
}

// Keeps the compiler from moving stores across: a kill stops the process
// between two instructions, so what it leaves follows this order.
void StoresBefore()
{
    std::atomic_signal_fence(std::memory_order_seq_cst);
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
        // 0666: the umask decides who may read the record. Read and write, as the mapping needs.
        FileDescriptor fd = OpenFile(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
    const std::size_t end = wholeSize_ + line.size() + LineEnd.size();
    bool written = false;
    if (!mapped_) {
        written = WriteLine(line);
    } else if (end <= mapping_.Length() || GrowFor(end)) {
        written = MapLine(line);
    }
    if (!written) {
        writeFailed_ = true;
        // A torn line would load as a wrong name: the file ends at its last whole line.
        (void)TrimToWholeLines();
        return false;
    }
    lastLineStart_ = wholeSize_;
    wholeSize_ = end;
    SyncWhenDue();
    return true;
}

// The line's text goes in before its line end, so a kill in between leaves
// a line without its end, which readers drop; the bytes after it are NUL.
bool AppendFile::MapLine(std::string_view line)
{
    if (!mapped_) {
        return WriteLine(line); // the mapping was given up while growing
    }
    char* const start = mapping_.Data() + wholeSize_;
    std::memcpy(start, line.data(), line.size());
    StoresBefore();
    std::memcpy(start + line.size(), LineEnd.data(), LineEnd.size());
    return true;
}

// One write per line, so a kill never splits a line that reached the kernel.
bool AppendFile::WriteLine(std::string_view line)
{
    buffer_.assign(line);
    buffer_ += LineEnd;
    return WriteAllAt(fd_.Get(), buffer_, wholeSize_);
}

// The disk space is taken before the mapping reaches it, so a full disk is
// an error here and never a fault at a store. Near a full disk the file
// grows by just the line. False when not even that fits; a file that
// cannot be mapped goes on by write() calls.
bool AppendFile::GrowFor(std::size_t needed)
{
    std::size_t length = std::max(needed, size_ + std::clamp(size_, FirstGrowth, LargestGrowth));
    int error = Reserve(fd_.Get(), size_, length);
    if (error != 0 && length > needed) {
        length = needed;
        error = Reserve(fd_.Get(), size_, length);
    }
    if (error != 0) {
        errno = error;
        return false;
    }
    size_ = length;
    if (!mapping_.Cover(fd_.Get(), size_)) {
        StopMapping();
    }
    return true;
}

void AppendFile::StopMapping()
{
    mapping_.Unmap();
    mapped_ = false;
    // The reserved NUL bytes go, so the file is whole lines again.
    if (Truncate(fd_.Get(), wholeSize_)) {
        size_ = wholeSize_;
    }
}

// Also after a write that failed half way, which left a torn line behind.
bool AppendFile::TrimToWholeLines()
{
    mapping_.Unmap();
    mapped_ = false;
    if (!Truncate(fd_.Get(), wholeSize_)) {
        return false;
    }
    size_ = wholeSize_;
    return true;
}

void AppendFile::SyncWhenDue()
{
    if (++linesSinceClock_ < LinesPerClockRead) {
        return;
    }
    linesSinceClock_ = 0;
    if (std::chrono::steady_clock::now() - lastSync_ >= syncInterval_) {
        SyncToDisk();
    }
}

void AppendFile::SyncToDisk()
{
    lastSync_ = std::chrono::steady_clock::now();
    // Also the lines stored through the mapping: they are the file's pages.
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
    if (mapped_) {
        if (wholeSize_ > lastLineStart_) {
            // Its first byte first: readers stop at a NUL, so the line is gone at once.
            char* const start = mapping_.Data() + lastLineStart_;
            *start = '\0';
            StoresBefore();
            std::memset(start, 0, wholeSize_ - lastLineStart_);
        }
    } else if (!Truncate(fd_.Get(), lastLineStart_)) {
        writeFailed_ = true;
        return false;
    } else {
        size_ = lastLineStart_;
    }
    wholeSize_ = lastLineStart_;
    return true;
}

void AppendFile::Discard()
{
    mapping_.Unmap();
    fd_.Reset();
    unlink(path_.c_str());
}

bool AppendFile::Finish()
{
    if (!fd_.IsOpen()) {
        return false;
    }
    if (!TrimToWholeLines()) {
        syncFailed_ = true;
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
