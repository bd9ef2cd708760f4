// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

#include <variant>

namespace tollwick {
namespace {

struct NewNameOf {
    std::string_view name;
    const TranslitTables& tables;
    std::int64_t counter;
    const SampleFile& file;

    std::string operator()(const CaseStep& step) const { return ChangeCase(name, step); }
    std::string operator()(const ReplaceStep& step) const { return ReplaceText(name, step).newName; }
    std::string operator()(const MaskStep& step) const
    {
        const NameMask mask(step);
        const FileSystemFacts fileFacts;
        TokenValues values(file.facts != nullptr ? *file.facts : fileFacts, file.folder);
        values.StartRow(file.fileName, counter);
        std::string out;
        mask.Apply(name, counter, out, values);
        return out;
    }
    std::string operator()(const TranslitStep& step) const { return Transliterate(name, step, tables); }
    std::string operator()(const DeleteStep& step) const { return DeleteChars(name, step); }
};

} // namespace

GeneratorSample SampleNewName(std::string_view name, const std::optional<GeneratorStep>& step,
                              const TranslitTables& tables, std::int64_t processedBefore, const SampleFile& file)
{
    if (!step) {
        return {std::string(name), std::nullopt};
    }
    try {
        return {std::visit(NewNameOf{name, tables, processedBefore, file}, *step), std::nullopt};
    } catch (const TollwickError& error) {
        return {std::string(name), std::string(error.what())};
    }
}

} // namespace tollwick
