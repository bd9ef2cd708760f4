// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/GenerationPass.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tollwick {

/// What a step reads of a row besides its new name.
struct RowContext {
    std::int64_t processedBefore = 0; // the rows the pass processed before it: the mask's counter
    std::string_view fileName;        // the row's present name on disk, which the mask's tokens read
};

/// A step made ready for the rows of one pass: its texts cleaned, its
/// expression compiled, its table read, once.
class PreparedStep {
public:
    PreparedStep() = default;
    PreparedStep(const PreparedStep&) = delete;
    PreparedStep& operator=(const PreparedStep&) = delete;
    PreparedStep(PreparedStep&&) = delete;
    PreparedStep& operator=(PreparedStep&&) = delete;
    virtual ~PreparedStep() = default;

    /// The new name the step makes of `name`, into `out`, reusing its
    /// storage; `name` must not lie in `out`. An error that must stop the
    /// pass is raised as GenerationStopped.
    virtual void Apply(std::string_view name, const RowContext& row, std::string& out) = 0;
    /// The texts cleaned for writing back, and the tokens that lacked a value so far.
    [[nodiscard]] virtual CleanedTexts Cleaned() const { return {}; }
};

// Each raises GenerationStopped, with the texts cleaned so far, for a step it cannot use.
[[nodiscard]] std::unique_ptr<PreparedStep> Prepare(const CaseStep& step, const PassContext& context);
[[nodiscard]] std::unique_ptr<PreparedStep> Prepare(const ReplaceStep& step, const PassContext& context);
[[nodiscard]] std::unique_ptr<PreparedStep> Prepare(const MaskStep& step, const PassContext& context);
[[nodiscard]] std::unique_ptr<PreparedStep> Prepare(const TranslitStep& step, const PassContext& context);
[[nodiscard]] std::unique_ptr<PreparedStep> Prepare(const DeleteStep& step, const PassContext& context);

/// Reads the tags the mask's tokens need of the pass's rows ahead, on
/// another thread, so a folder of slow files keeps the window painting.
void ReadTagsAhead(const RenameList& list, const MaskStep& step, const PassContext& context, Progress& progress);

} // namespace tollwick
