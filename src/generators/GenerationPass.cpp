#include "generators/GenerationPass.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

namespace tollwick {
namespace {

// Walks the shown rows in display order and stores what `generate` makes of
// each processed row's NewName; `generate` also gets the number of rows
// processed before it, the mask's counter.
template <typename Generate>
void ForEachProcessedRow(RenameList& list, bool checkedOnly, Progress& progress, Generate generate)
{
    int step = 0;
    std::int64_t processed = 0;
    for (Row& row : list.FilterList) {
        progress.ShowProgress(++step, 0);
        if (checkedOnly && !row.Checked) {
            continue;
        }
        row.NewName = generate(row.NewName, processed);
        ++processed;
    }
}

// The generators that clean their edits or read their tables do so once, at
// the first processed row: a pass that processes no row leaves the edits as
// typed and raises no error.
GeneratedEdits RunGenerator(RenameList& list, std::string_view tab, const GeneratorOptions& options, Progress& progress)
{
    GeneratedEdits edits;
    const bool checkedOnly = options.ApplyCheckedOnlyCheck;
    if (tab == "Generate1") {
        ForEachProcessedRow(list, checkedOnly, progress,
                            [&](const std::string& name, std::int64_t) { return ChangeCase(name, options.Case); });
    } else if (tab == "Generate2") {
        std::optional<TextReplacer> replacer;
        ForEachProcessedRow(list, checkedOnly, progress, [&](const std::string& name, std::int64_t) {
            if (!replacer) {
                replacer.emplace(options.Replace);
                edits.ChangeFromEdit = replacer->CleanedFrom();
                edits.ChangeToEdit = replacer->CleanedTo();
            }
            return replacer->Apply(name);
        });
    } else if (tab == "Generate3") {
        std::optional<NameMask> mask;
        ForEachProcessedRow(list, checkedOnly, progress, [&](const std::string& name, std::int64_t counter) {
            if (!mask) {
                edits.MaskNameEdit = CleanMask(options.Mask.MaskNameEdit);
                edits.MaskExtEdit = CleanMask(options.Mask.MaskExtEdit);
                try {
                    mask.emplace(options.Mask);
                } catch (const TollwickError& error) {
                    throw GenerationStopped(error, edits);
                }
            }
            return mask->Apply(name, counter);
        });
    } else if (tab == "Generate4") {
        std::optional<Transliterator> transliterator;
        ForEachProcessedRow(list, checkedOnly, progress, [&](const std::string& name, std::int64_t) {
            if (!transliterator) {
                transliterator.emplace(options.Translit);
            }
            return transliterator->Apply(name);
        });
    } else if (tab == "Generate5") {
        ForEachProcessedRow(list, checkedOnly, progress,
                            [&](const std::string& name, std::int64_t) { return DeleteChars(name, options.Delete); });
    } else {
        // No generator belongs to this tab; the bar still runs through the rows.
        for (std::size_t step = 1; step <= list.FilterList.size(); ++step) {
            progress.ShowProgress(static_cast<int>(std::min<std::size_t>(step, INT_MAX)), 0);
        }
    }
    return edits;
}

} // namespace

GeneratedEdits GenerateNewNames(RenameList& list, std::string_view activeTabName, const GeneratorOptions& options,
                                Progress& progress)
{
    const SavedCursor cursor(progress);
    progress.ShowProgress(0, static_cast<int>(std::min<std::size_t>(list.FilterList.size(), INT_MAX)));
    GeneratedEdits edits;
    try {
        edits = RunGenerator(list, activeTabName, options, progress);
    } catch (...) {
        // A stopped pass must not leave the bar half way.
        progress.ShowProgress(0, 100);
        throw;
    }
    progress.ShowProgress(0, 100);
    return edits;
}

} // namespace tollwick
