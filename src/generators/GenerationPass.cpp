// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GenerationPass.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <vector>

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

// The same, for a generator that may fail at any row: every new name is
// made first and given to its row only when all are made, so a pass that
// stops changes no name.
template <typename Generate>
void ForEachProcessedRowAllOrNone(RenameList& list, bool checkedOnly, Progress& progress, Generate generate)
{
    int step = 0;
    std::int64_t processed = 0;
    std::vector<std::string> newNames;
    for (const Row& row : list.FilterList) {
        progress.ShowProgress(++step, 0);
        if (checkedOnly && !row.Checked) {
            continue;
        }
        generate(std::string_view(row.NewName), processed, newNames.emplace_back());
        ++processed;
    }
    auto next = newNames.begin();
    for (Row& row : list.FilterList) {
        if (!checkedOnly || row.Checked) {
            row.NewName = std::move(*next++);
        }
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
    const auto replace = [&](std::string_view name, std::int64_t, std::string& out) {
        try {
            if (!replacer) {
                replacer.emplace(options.Replace);
                edits.ChangeFromEdit = replacer->CleanedFrom();
                edits.ChangeToEdit = replacer->CleanedTo();
            }
            replacer->Apply(name, out);
        } catch (const TollwickError& error) {
            throw GenerationStopped(error, edits);
        }
    };
    // Only a regular expression can give up part way through the rows.
    if (options.Replace.RegExpCheck) {
        ForEachProcessedRowAllOrNone(list, options.ApplyCheckedOnlyCheck, progress, replace);
    } else {
        ForEachProcessedRow(list, options.ApplyCheckedOnlyCheck, progress, replace);
    }
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

GeneratorRun RunOf(std::optional<GeneratorKind> generator)
{
    if (!generator) {
        return RunNothing;
    }
    switch (*generator) {
    case GeneratorKind::Case:
        return RunChangeCase;
    case GeneratorKind::Replace:
        return RunReplaceText;
    case GeneratorKind::Mask:
        return RunApplyMask;
    case GeneratorKind::Translit:
        return RunTransliterate;
    case GeneratorKind::Delete:
        return RunDeleteChars;
    }
    return RunNothing;
}

} // namespace

std::optional<GeneratorKind> GeneratorOfTab(std::string_view tabName)
{
    static constexpr std::pair<std::string_view, GeneratorKind> tabs[] = {
        {"Generate1", GeneratorKind::Case},  {"Generate2", GeneratorKind::Replace},
        {"Generate3", GeneratorKind::Mask},   {"Generate4", GeneratorKind::Translit},
        {"Generate5", GeneratorKind::Delete},
    };
    for (const auto& [name, kind] : tabs) {
        if (name == tabName) {
            return kind;
        }
    }
    return std::nullopt;
}

GeneratedEdits GenerateNewNames(RenameList& list, std::optional<GeneratorKind> generator,
                                const GeneratorOptions& options, Progress& progress)
{
    const ProgressPass pass(progress, BarMaximum(list.FilterList.size()));
    return RunOf(generator)(list, options, progress);
}

} // namespace tollwick
