// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace tollwick::test {

/// A unique folder under the system's temporary folder, removed with all it
/// holds when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// The folder with a closing "/".
    [[nodiscard]] const std::string& Path() const { return path_; }
    /// Writes a file with the given bytes; `modified` sets its time when not 0.
    void WriteFile(const std::string& name, const std::string& bytes = {}, std::time_t modified = 0) const;
    [[nodiscard]] std::string ReadFile(const std::string& name) const;
    [[nodiscard]] bool Exists(const std::string& name) const;
    void MakeFolder(const std::string& name) const;
    /// The names in the folder, sorted by bytes, hidden ones included.
    [[nodiscard]] std::vector<std::string> Names() const;

private:
    std::string path_;
};

/// The CR LF lines of the file at `path`; empty when there is none.
[[nodiscard]] std::vector<std::string> CrLfLinesOf(const std::string& path);

/// A local time as the system clock counts it.
[[nodiscard]] std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second);

} // namespace tollwick::test
