// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppendFile.h"

#include "platform/FileDescriptor.h"
#include "platform/SysCall.h"
#include "platform/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tollwick {
namespace {

// Enough for many runs ending within one second; beyond that something is wrong.
constexpr int MaxSuffix = 10000;

// The clock and the file's name are looked at once per so many lines.
constexpr unsigned LinesPerCheck = 64;

constexpr std::string_view LineEnd = "\r\n";

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool Truncate(int fd, std::size_t length)
{
    return RetryOnInterrupt([&] { return ftruncate(fd, static_cast<off_t>(length)); }) == 0;
}

} // namespace

std::optional<AppendFile> AppendFile::CreateUnique(const std::string& stem, const std::string& extension,
                                                   SystemCalls& calls, std::chrono::milliseconds syncInterval)
{
    for (int number = 1; number <= MaxSuffix; ++number) {
        std::string path = stem;
        if (number > 1) {
            path.append("_").append(std::to_string(number));
        }
        path.append(extension);
        // 0666: the umask decides who may read the record.
        FileDescriptor fd = OpenFile(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd.IsOpen()) {
            return AppendFile(std::move(fd), std::move(path), calls, syncInterval);
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

AppendFile::AppendFile(FileDescriptor fd, std::string path, SystemCalls& calls, std::chrono::milliseconds syncInterval)
    : fd_(std::move(fd)), path_(std::move(path)), calls_(&calls), syncInterval_(syncInterval),
      lastSync_(std::chrono::steady_clock::now())
{
}

bool AppendFile::Fail(RecordFault::Kind what, int error, const std::string& path)
{
    if (!Failed()) {
        fault_ = {what, error, path};
    }
    return false;
}

// Someone else's bytes, or a hole where ours were, would make the next
// line land where no reader finds it.
bool AppendFile::LengthIsOurs()
{
    const off_t end = lseek(fd_.Get(), 0, SEEK_END);
    if (end < 0) {
        return Fail(RecordFault::Kind::Write, errno, path_);
    }
    if (static_cast<std::size_t>(end) != wholeSize_) {
        return Fail(RecordFault::Kind::Changed, 0, path_);
    }
    return true;
}

// Lines written to a file that was removed or replaced reach nobody.
bool AppendFile::StillUnderItsName()
{
    struct stat ours {};
    struct stat named {};
    if (fstat(fd_.Get(), &ours) != 0) {
        return Fail(RecordFault::Kind::Write, errno, path_);
    }
    if (stat(path_.c_str(), &named) != 0 || ours.st_nlink == 0 || ours.st_dev != named.st_dev ||
        ours.st_ino != named.st_ino) {
        return Fail(RecordFault::Kind::Changed, 0, path_);
    }
    return true;
}

bool AppendFile::AppendLine(std::string_view line)
{
    if (Failed() || !fd_.IsOpen() || !LengthIsOurs()) {
        return false;
    }
    buffer_.assign(line);
    buffer_ += LineEnd;
    errno = 0;
    // One write per line, so a kill never splits a line that reached the kernel.
    if (!WriteAllAt(fd_.Get(), buffer_, wholeSize_)) {
        const int error = errno != 0 ? errno : EIO;
        // A torn line would load as a wrong name: the file ends at its last whole line.
        (void)Truncate(fd_.Get(), wholeSize_);
        return Fail(RecordFault::Kind::Write, error, path_);
    }
    lastLineStart_ = wholeSize_;
    wholeSize_ += buffer_.size();
    return true;
}

bool AppendFile::SyncWhenDue()
{
    if (Failed() || !fd_.IsOpen()) {
        return false;
    }
    if (++linesSinceCheck_ < LinesPerCheck) {
        return true;
    }
    linesSinceCheck_ = 0;
    if (!StillUnderItsName()) {
        return false;
    }
    return std::chrono::steady_clock::now() - lastSync_ < syncInterval_ || Sync();
}

bool AppendFile::Sync()
{
    if (Failed() || !fd_.IsOpen() || !StillUnderItsName()) {
        return false;
    }
    if (calls_->SyncData(fd_.Get()) != 0) {
        return Fail(RecordFault::Kind::Sync, errno, path_);
    }
    if (!folderSynced_ && !SyncFolder()) {
        return false;
    }
    lastSync_ = std::chrono::steady_clock::now();
    return true;
}

// The new name must survive a power loss too, not only the bytes.
bool AppendFile::SyncFolder()
{
    const std::string folder = FolderOf(path_);
    const FileDescriptor fd = OpenFile(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!fd.IsOpen() || calls_->Sync(fd.Get()) != 0) {
        return Fail(RecordFault::Kind::Sync, errno, folder);
    }
    folderSynced_ = true;
    return true;
}

bool AppendFile::DropLastLine()
{
    const bool writable = fault_.What == RecordFault::Kind::None || fault_.What == RecordFault::Kind::Sync;
    if (!fd_.IsOpen() || !writable) {
        return false;
    }
    if (!Truncate(fd_.Get(), lastLineStart_)) {
        return Fail(RecordFault::Kind::Write, errno, path_);
    }
    wholeSize_ = lastLineStart_;
    return true;
}

void AppendFile::Discard()
{
    fd_.Reset();
    // The name may hold another program's file by now.
    if (fault_.What != RecordFault::Kind::Changed) {
        unlink(path_.c_str());
    }
}

bool AppendFile::Finish()
{
    if (!fd_.IsOpen()) {
        return false;
    }
    if (!Failed()) {
        (void)Sync();
    } else if (fault_.What == RecordFault::Kind::Write) {
        // The lines before a full disk still deserve the disk.
        (void)calls_->SyncData(fd_.Get());
    }
    if (!fd_.Close()) {
        Fail(RecordFault::Kind::Write, errno, path_);
    }
    return !Failed();
}

} // namespace tollwick
