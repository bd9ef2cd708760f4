// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// Splits text into lines at CR LF, a lone CR or a lone LF; a NUL byte ends
/// the text. A line end at the very end adds no empty line.
[[nodiscard]] std::vector<std::string> SplitLines(std::string_view text);

/// Reads a whole regular file into lines; raises "Cannot open file %s",
/// also for a folder, FIFO or device, without waiting on it.
[[nodiscard]] std::vector<std::string> ReadLines(const std::string& path);
/// ReadLines, but a file that is not there gives nothing instead of the error.
[[nodiscard]] std::optional<std::vector<std::string>> ReadLinesIfPresent(const std::string& path);

/// Reads a whole file into the lines that end with a line end: a last line
/// without one (a record cut short while it was written) is left out.
/// Raises "Cannot open file %s".
[[nodiscard]] std::vector<std::string> ReadEndedLines(const std::string& path);

/// Writes every line followed by CR LF into a temporary file beside `path`
/// and then puts it in place, so `path` is either whole old or whole new.
/// Raises "Cannot create file %s" and leaves the old file untouched.
void WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

} // namespace tollwick
