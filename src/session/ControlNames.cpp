// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ControlNames.h"

#include <array>
#include <utility>

namespace tollwick {
namespace {

constexpr std::array<std::pair<std::string_view, GeneratorKind>, 5> generatorTabs = {{
    {"Generate1", GeneratorKind::Case},
    {"Generate2", GeneratorKind::Replace},
    {"Generate3", GeneratorKind::Mask},
    {"Generate4", GeneratorKind::Translit},
    {"Generate5", GeneratorKind::Delete},
}};

// The case buttons in the order that decides when the group is not exclusive.
constexpr std::array<std::pair<std::string_view, CaseMode>, 5> caseButtons = {{
    {"GenDownCheck", CaseMode::Lower},
    {"GenUpCheck", CaseMode::Upper},
    {"GenFirstUpCheck", CaseMode::First},
    {"GenInvertCheck", CaseMode::Swap},
    {"GenAllFirstUpCheck", CaseMode::Words},
}};

CaseMode CaseModeOf(const Settings& settings)
{
    for (const auto& [name, mode] : caseButtons) {
        if (settings.At(name).checked) {
            return mode;
        }
    }
    return CaseMode::Lower;
}

} // namespace

std::optional<GeneratorKind> GeneratorOfTab(std::string_view tabName)
{
    for (const auto& [name, kind] : generatorTabs) {
        if (name == tabName) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string_view TabOfGenerator(GeneratorKind kind)
{
    for (const auto& [name, tabKind] : generatorTabs) {
        if (tabKind == kind) {
            return name;
        }
    }
    return {};
}

} // namespace tollwick

namespace tollwick {

GeneratorSetup GeneratorSetupOf(const Settings& settings, const ExtraOptions& extra)
{
    GeneratorSetup setup;
    setup.caseStep.mode = CaseModeOf(settings);
    setup.caseStep.underscoreStartsWord = settings.At("GenSymbol_Check").checked;
    setup.replace.from = settings.At("ChangeFromEdit").text;
    setup.replace.to = settings.At("ChangeToEdit").text;
    setup.replace.firstOnly = settings.At("OnlyFirstCheck").checked;
    setup.replace.matchCase = settings.At("CaseCheck").checked;
    setup.replace.keepExtension = settings.At("DoNotChangeExtCheck").checked;
    setup.replace.regex = extra.regex;
    setup.mask.nameMask = settings.At("MaskNameEdit").text;
    setup.mask.extensionMask = settings.At("MaskExtEdit").text;
    setup.mask.count = settings.At("IncNameCheck").checked;
    // As the window reads the pair: Latin to Cyrillic only when that button is set.
    setup.translit.cyrillicToLatin = !settings.At("LatToCyrCheck").checked;
    setup.deleteStep.fromEnd = settings.At("DeleteInvertCheck").checked;
    setup.checkedOnly = settings.At("ApplyCheckedOnlyCheck").checked;
    return setup;
}

void StoreGeneratorSetup(const GeneratorSetup& setup, Settings& settings, ExtraOptions& extra)
{
    for (const auto& [name, mode] : caseButtons) {
        settings.At(name).checked = setup.caseStep.mode == mode;
    }
    settings.At("GenSymbol_Check").checked = setup.caseStep.underscoreStartsWord;
    settings.At("ChangeFromEdit").text = setup.replace.from;
    settings.At("ChangeToEdit").text = setup.replace.to;
    settings.At("OnlyFirstCheck").checked = setup.replace.firstOnly;
    settings.At("CaseCheck").checked = setup.replace.matchCase;
    settings.At("DoNotChangeExtCheck").checked = setup.replace.keepExtension;
    extra.regex = setup.replace.regex;
    settings.At("MaskNameEdit").text = setup.mask.nameMask;
    settings.At("MaskExtEdit").text = setup.mask.extensionMask;
    settings.At("IncNameCheck").checked = setup.mask.count;
    settings.At("CyrToLatCheck").checked = setup.translit.cyrillicToLatin;
    settings.At("LatToCyrCheck").checked = !setup.translit.cyrillicToLatin;
    settings.At("DeleteInvertCheck").checked = setup.deleteStep.fromEnd;
    settings.At("ApplyCheckedOnlyCheck").checked = setup.checkedOnly;
}

FilterSettings StoredFilterOf(const Settings& settings)
{
    FilterSettings filter;
    filter.oldNameTest = settings.At("FilterOldNameCheck").checked;
    filter.oldNameTerms = settings.At("FilterOldNameEdit").text;
    filter.newNameTest = settings.At("FilterNewNameCheck").checked;
    filter.newNameTerms = settings.At("FilterNewNameEdit").text;
    filter.dateTest = settings.At("FilterDateCheck").checked;
    return filter;
}

std::string ImportSeparatorOf(const Settings& settings)
{
    return settings.At("Kind5Edit").text;
}

std::string ExportSeparatorOf(const Settings& settings)
{
    return settings.At("KindSaveEdit").text;
}

} // namespace tollwick
