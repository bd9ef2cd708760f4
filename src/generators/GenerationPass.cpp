// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GenerationPass.h"

#include "platform/Paths.h"
#include "rename/StepStopped.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <variant>
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

CleanedTexts RunStep(RenameList& list, const CaseStep& step, const PassContext& context, Progress& progress)
{
    ForEachProcessedRow(list, context, progress,
                        [&](const Row& row, std::int64_t, std::string& out) { ChangeCase(row.NewName, step, out); });
    return {};
}

// The generators that clean their texts or read their tables do so once, at
// the first processed row: a pass that processes no row leaves the texts as
// typed and raises no error.
CleanedTexts RunStep(RenameList& list, const ReplaceStep& step, const PassContext& context, Progress& progress)
{
    CleanedTexts cleaned;
    std::optional<TextReplacer> replacer;
    const auto replace = [&](const Row& row, std::int64_t, std::string& out) {
        try {
            if (!replacer) {
                replacer.emplace(step);
                cleaned.replaceFrom = replacer->CleanedFrom();
                cleaned.replaceTo = replacer->CleanedTo();
            }
            replacer->Apply(row.NewName, out);
        } catch (const TollwickError& error) {
            throw GenerationStopped(error, cleaned);
        }
    };
    // Only a regular expression can give up part way through the rows.
    ForEachProcessedRow(list, context, progress, replace, step.regex);
    return cleaned;
}

// The tags the mask reads are read first, on another thread, so a folder of
// slow files keeps the window painting; the pass then finds them cached.
void ReadTagsAhead(const RenameList& list, const MaskStep& step, const PassContext& context, Progress& progress)
{
    if (context.facts == nullptr || context.folder.empty()) {
        return;
    }
    MediaReads reads;
    try {
        reads = NameMask(step).Reads();
    } catch (const TollwickError&) {
        return; // the pass stops on it at its first row
    }
    if (!reads.photo && !reads.audio) {
        return;
    }
    const std::string folder = WithClosingSlash(context.folder);
    std::vector<std::string> paths;
    for (const Row& row : list.FilterList) {
        if ((!context.checkedOnly || row.Checked) && !row.OldName.empty()) {
            paths.push_back(folder + row.OldName);
        }
    }
    context.facts->ReadAhead(paths, reads, progress);
    progress.ShowProgress(0, BarMaximum(list.FilterList.size()));
}

CleanedTexts RunStep(RenameList& list, const MaskStep& step, const PassContext& context, Progress& progress)
{
    ReadTagsAhead(list, step, context, progress);
    CleanedTexts cleaned;
    std::optional<NameMask> mask;
    const FileSystemFacts fileFacts;
    TokenValues values(context.facts != nullptr ? *context.facts : fileFacts, context.folder);
    ForEachProcessedRow(list, context, progress, [&](const Row& row, std::int64_t counter, std::string& out) {
        if (!mask) {
            cleaned.nameMask = CleanMask(step.nameMask);
            cleaned.extensionMask = CleanMask(step.extensionMask);
            try {
                mask.emplace(step);
            } catch (const TollwickError& error) {
                throw GenerationStopped(error, cleaned);
            }
        }
        values.StartRow(row.OldName, counter);
        mask->Apply(row.NewName, counter, out, values);
    });
    cleaned.missing = values.Missing();
    return cleaned;
}

CleanedTexts RunStep(RenameList& list, const TranslitStep& step, const PassContext& context, Progress& progress)
{
    std::optional<Transliterator> transliterator;
    ForEachProcessedRow(list, context, progress, [&](const Row& row, std::int64_t, std::string& out) {
        if (!transliterator) {
            transliterator.emplace(step, context.tables);
        }
        transliterator->Apply(row.NewName, out);
    });
    return {};
}

CleanedTexts RunStep(RenameList& list, const DeleteStep& step, const PassContext& context, Progress& progress)
{
    ForEachProcessedRow(list, context, progress,
                        [&](const Row& row, std::int64_t, std::string& out) { DeleteChars(row.NewName, step, out); });
    return {};
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
    return std::visit([&](const auto& alternative) { return RunStep(list, alternative, context, progress); }, *step);
}

} // namespace tollwick
