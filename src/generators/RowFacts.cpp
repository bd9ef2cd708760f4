// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/RowFacts.h"

namespace tollwick {

void RowFacts::ReadAhead(const std::vector<std::string>& /*paths*/, MediaReads /*reads*/, Progress& /*progress*/) const
{
}

LocalDateTime FileSystemFacts::Now() const
{
    return NowLocal();
}

std::optional<FileStatus> FileSystemFacts::Status(const std::string& path) const
{
    return ReadFileStatus(path);
}

std::optional<LocalDateTime> FileSystemFacts::Taken(const std::string&) const
{
    return std::nullopt;
}

std::optional<std::string> FileSystemFacts::Tag(MediaField, const std::string&) const
{
    return std::nullopt;
}

} // namespace tollwick
