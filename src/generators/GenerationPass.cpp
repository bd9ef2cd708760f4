// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GenerationPass.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

namespace tollwick {
namespace {

// Walks the shown rows in display order; `generate` writes the new name of
// each processed row from its NewName into a buffer, and also gets the
// number of rows processed before it, the mask's counter. The buffer takes
// over the row's old storage, so most rows need no allocation.
template <typename Generate>
void ForEachProcessedRow(RenameList& list, bool checkedOnly, Progress& progress, Generate generate)
{
    int step = 0;
    std::int64_t processed = 0;
    std::string buffer;
    for (Row& row : list.FilterList) {
        progress.ShowProgress(++step, 0);
        if (checkedOnly && !row.Checked) {
            continue;
        }
        generate(std::string_view(row.NewName), processed, buffer);
        row.NewName.swap(buffer);
        ++processed;
    }
}

GeneratedEdits RunChangeCase(RenameList& list, const GeneratorOptions& options, Progress& progress)
{
    ForEachProcessedRow(
        list, options.ApplyCheckedOnlyCheck, progress,
        [&](std::string_view name, std::int64_t, std::string& out) { ChangeCase(name, options.Case, out); });
    return {};
}

// The generators that clean their edits or read their tables do so once, at
// the first processed row: a pass that processes no row leaves the edits as
// typed and raises no error.
GeneratedEdits RunReplaceText(RenameList& list, const GeneratorOptions& options, Progress& progress)
{
    GeneratedEdits edits;
    std::optional<TextReplacer> replacer;
    ForEachProcessedRow(list, options.ApplyCheckedOnlyCheck, progress,
                        [&](std::string_view name, std::int64_t, std::string& out) {
                            if (!replacer) {
                                try {
                                    replacer.emplace(options.Replace);
                                } catch (const TollwickError& error) {
                                    throw GenerationStopped(error, edits);
                                }
                                edits.ChangeFromEdit = replacer->CleanedFrom();
                                edits.ChangeToEdit = replacer->CleanedTo();
                            }
                            replacer->Apply(name, out);
                        });
    return edits;
}

GeneratedEdits RunApplyMask(RenameList& list, const GeneratorOptions& options, Progress& progress)
{
    GeneratedEdits edits;
    std::optional<NameMask> mask;
    ForEachProcessedRow(list, options.ApplyCheckedOnlyCheck, progress,
                        [&](std::string_view name, std::int64_t counter, std::string& out) {
                            if (!mask) {
                                edits.MaskNameEdit = CleanMask(options.Mask.MaskNameEdit);
                                edits.MaskExtEdit = CleanMask(options.Mask.MaskExtEdit);
                                try {
                                    mask.emplace(options.Mask);
                                } catch (const TollwickError& error) {
                                    throw GenerationStopped(error, edits);
                                }
                            }
                            mask->Apply(name, counter, out);
                        });
    return edits;
}

GeneratedEdits RunTransliterate(RenameList& list, const GeneratorOptions& options, Progress& progress)
{
    std::optional<Transliterator> transliterator;
    ForEachProcessedRow(list, options.ApplyCheckedOnlyCheck, progress,
                        [&](std::string_view name, std::int64_t, std::string& out) {
                            if (!transliterator) {
                                transliterator.emplace(options.Translit);
                            }
                            transliterator->Apply(name, out);
                        });
    return {};
}

GeneratedEdits RunDeleteChars(RenameList& list, const GeneratorOptions& options, Progress& progress)
{
    ForEachProcessedRow(
        list, options.ApplyCheckedOnlyCheck, progress,
        [&](std::string_view name, std::int64_t, std::string& out) { DeleteChars(name, options.Delete, out); });
    return {};
}

// No generator belongs to the tab; the bar still runs through the rows.
GeneratedEdits RunNothing(RenameList& list, const GeneratorOptions& /*options*/, Progress& progress)
{
    for (std::size_t step = 1; step <= list.FilterList.size(); ++step) {
        progress.ShowProgress(static_cast<int>(std::min<std::size_t>(step, INT_MAX)), 0);
    }
    return {};
}

using GeneratorRun = GeneratedEdits (*)(RenameList&, const GeneratorOptions&, Progress&);

GeneratorRun RunOfTab(std::string_view tab)
{
    if (tab == "Generate1") {
        return RunChangeCase;
    }
    if (tab == "Generate2") {
        return RunReplaceText;
    }
    if (tab == "Generate3") {
        return RunApplyMask;
    }
    if (tab == "Generate4") {
        return RunTransliterate;
    }
    if (tab == "Generate5") {
        return RunDeleteChars;
    }
    return RunNothing;
}

} // namespace

GeneratedEdits GenerateNewNames(RenameList& list, std::string_view activeTabName, const GeneratorOptions& options,
                                Progress& progress)
{
    const SavedCursor cursor(progress);
    progress.ShowProgress(0, static_cast<int>(std::min<std::size_t>(list.FilterList.size(), INT_MAX)));
    GeneratedEdits edits;
    try {
        edits = RunOfTab(activeTabName)(list, options, progress);
    } catch (...) {
        // A stopped pass must not leave the bar half way.
        progress.ShowProgress(0, 100);
        throw;
    }
    progress.ShowProgress(0, 100);
    return edits;
}

} // namespace tollwick
