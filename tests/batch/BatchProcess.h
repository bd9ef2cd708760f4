// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TempDir.h"

#include <functional>
#include <string>
#include <vector>

namespace tollwick::test {

/// What one run of tollwick-batch left behind.
struct BatchResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    /// Standard output cut into lines, without their "\n".
    [[nodiscard]] std::vector<std::string> OutLines() const;
};

/// Runs the built tollwick-batch as a child process with exactly these
/// arguments; its output goes to `outPath` when given (then `out` stays
/// empty), its standard error to `errPath` when given, where others can
/// read it while it runs.
[[nodiscard]] BatchResult RunBatch(const std::vector<std::string>& arguments, const std::string& outPath = {},
                                   const std::string& errPath = {});

/// Starts tollwick-batch, sends it `signal` as soon as `when` holds (polled
/// often), and waits for its end.
[[nodiscard]] BatchResult RunBatchAndSignal(const std::vector<std::string>& arguments, int signal,
                                            const std::function<bool()>& when);

/// Runs tollwick-batch with standard output a pipe whose reader is gone
/// before it starts, as in "tollwick-batch ... | head -0".
[[nodiscard]] BatchResult RunBatchWithoutReader(const std::vector<std::string>& arguments);

/// A fresh application home: copies of the shipped data/ and language/ and an empty undo/.
class BatchHome {
public:
    BatchHome();
    [[nodiscard]] const std::string& Path() const { return dir_.Path(); }
    /// Runs tollwick-batch with --home pointing here before the arguments.
    [[nodiscard]] BatchResult Run(std::vector<std::string> arguments) const;
    [[nodiscard]] BatchResult RunWithoutReader(std::vector<std::string> arguments) const;
    [[nodiscard]] BatchResult RunAndSignal(std::vector<std::string> arguments, int signal,
                                           const std::function<bool()>& when) const;
    /// The files of undo/, sorted.
    [[nodiscard]] std::vector<std::string> UndoFiles() const;
    /// Stores `value` for the settings key "cfg_" + `control`, as the window would have saved it.
    void SetStored(const std::string& control, const std::string& value) const;
    /// Replaces a data file of the home, e.g. "data/translit.cfg", by these lines.
    void WriteDataFile(const std::string& relativePath, const std::vector<std::string>& lines) const;
    /// The text of `key` in the configured language.
    [[nodiscard]] std::string Text(const std::string& key) const;

private:
    TempDir dir_;
};

/// Splits a line at TAB characters.
[[nodiscard]] std::vector<std::string> Fields(const std::string& line);
/// Field `column` of every printed line.
[[nodiscard]] std::vector<std::string> Column(const BatchResult& result, std::size_t column);

} // namespace tollwick::test
