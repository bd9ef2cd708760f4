// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GenerationPass.h"

#include "generators/GeneratorRegistry.h"
#include "rename/StepStopped.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tollwick {
namespace {

// The same walk for a generator that may fail at any row, or a pass that
// may be stopped: every new name is made first and given to its row only
// when all are made, so a pass that ends early changes no name.
template <typename Generate>
void ForEachProcessedRowAllOrNone(RenameList& list, const PassContext& context, Progress& progress, Generate generate)
{
    int step = 0;
    std::int64_t processed = 0;
    std::vector<std::string> newNames;
    for (const Row& row : list.FilterList) {
        progress.ShowProgress(++step, 0);
        if (context.stop.stop_requested()) {
            throw StepStopped();
        }
        if (context.checkedOnly && !row.Checked) {
            continue;
        }
        generate(row, processed, newNames.emplace_back());
        ++processed;
    }
    auto next = newNames.begin();
    for (Row& row : list.FilterList) {
        if (!context.checkedOnly || row.Checked) {
            row.NewName = std::move(*next++);
        }
    }
}

// Walks the shown rows in display order; `generate` writes the new name of
// each processed row from its NewName into a buffer, and also gets the
// number of rows processed before it, the mask's counter. The buffer takes
// over the row's old storage, so most rows need no allocation. `mayFail`
// says the generator may give up part way.
template <typename Generate>
void ForEachProcessedRow(RenameList& list, const PassContext& context, Progress& progress, Generate generate,
                         bool mayFail = false)
{
    if (mayFail || context.stop.stop_possible()) {
        ForEachProcessedRowAllOrNone(list, context, progress, generate);
        return;
    }
    int step = 0;
    std::int64_t processed = 0;
    std::string buffer;
    for (Row& row : list.FilterList) {
        progress.ShowProgress(++step, 0);
        if (context.checkedOnly && !row.Checked) {
            continue;
        }
        generate(row, processed, buffer);
        row.NewName.swap(buffer);
        ++processed;
    }
}

// The generators that clean their texts or read their tables are made
// ready at the first processed row: a pass that processes no row leaves the
// texts as typed and raises no error.
CleanedTexts RunStep(RenameList& list, const GeneratorStep& step, const PassContext& context, Progress& progress)
{
    const Generator& generator = GeneratorOf(KindOf(step));
    generator.BeforePass(list, step, context, progress);
    std::unique_ptr<PreparedStep> prepared;
    ForEachProcessedRow(
        list, context, progress,
        [&](const Row& row, std::int64_t counter, std::string& out) {
            if (!prepared) {
                prepared = generator.Prepare(step, context);
            }
            prepared->Apply(row.NewName, {counter, row.OldName}, out);
        },
        generator.MayStopPartWay(step));
    return prepared ? prepared->Cleaned() : CleanedTexts{};
}

// No generator belongs to the tab; the bar still runs through the rows.
CleanedTexts RunNothing(const RenameList& list, Progress& progress)
{
    for (std::size_t step = 1; step <= list.FilterList.size(); ++step) {
        progress.ShowProgress(static_cast<int>(std::min<std::size_t>(step, INT_MAX)), 0);
    }
    return {};
}

} // namespace

CleanedTexts GenerateNewNames(RenameList& list, const std::optional<GeneratorStep>& step, const PassContext& context,
                              Progress& progress)
{
    const ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
    if (!step) {
        return RunNothing(list, progress);
    }
    return RunStep(list, *step, context, progress);
}

} // namespace tollwick
