// SPDX-License-Identifier: GPL-3.0-or-later
// The generator steps: each fills the options of its generator and runs one pass.
#include "batch/Session.h"
#include "batch/UsageError.h"
#include "generators/Algoritms.h"
#include "generators/RemovedChars.h"
#include "settings/TableEditor.h"

namespace tollwick::batch {
namespace {

CaseOptions CaseOptionsOf(const CaseStep& step)
{
    CaseOptions options;
    options.GenDownCheck = step.mode == CaseMode::Lower;
    options.GenUpCheck = step.mode == CaseMode::Upper;
    options.GenFirstUpCheck = step.mode == CaseMode::First;
    options.GenInvertCheck = step.mode == CaseMode::Swap;
    options.GenAllFirstUpCheck = step.mode == CaseMode::Words;
    options.GenFirstUpCty = step.firstCount;
    options.GenSymbol_Check = step.underscoreStartsWord;
    return options;
}

} // namespace

void Session::SayWhatIsLeftOut(std::string_view option, std::string_view text, const std::string& chars) const
{
    if (!chars.empty()) {
        err_ << option << ' ' << text << ": " << PromptWithSource(Text("MsgCharsLeftOut"), SpacedChars(chars)) << '\n';
    }
}

void Session::Generate(GeneratorKind generator, GeneratorOptions options)
{
    options.ApplyCheckedOnlyCheck = checkedOnly_;
    try {
        (void)session_.GenerateNewNames(generator, options);
    } catch (const GenerationStopped& stopped) {
        // Every stop of a pass is a value the generator cannot use.
        throw BadValue(stopped.what());
    }
}

void Session::operator()(const CaseStep& step)
{
    GeneratorOptions options;
    options.Case = CaseOptionsOf(step);
    Generate(GeneratorKind::Case, options);
}

void Session::operator()(const ReplaceStep& step)
{
    GeneratorOptions options;
    options.Replace = {step.from, step.to, step.firstOnly, step.matchCase, step.keepExtension, step.regex};
    const RemovedChars removed = RemovedFromTypedTexts(GeneratorKind::Replace, options);
    SayWhatIsLeftOut("--replace", "FROM", removed.From);
    SayWhatIsLeftOut("--replace", "TO", removed.To);
    Generate(GeneratorKind::Replace, options);
}

void Session::operator()(const MaskStep& step)
{
    GeneratorOptions options;
    options.Mask = {step.nameMask, step.extensionMask, step.count};
    const RemovedChars removed = RemovedFromTypedTexts(GeneratorKind::Mask, options);
    SayWhatIsLeftOut("--mask", "NAME", removed.Name);
    SayWhatIsLeftOut("--mask", "EXT", removed.Ext);
    Generate(GeneratorKind::Mask, options);
}

void Session::operator()(const TranslitStep& step)
{
    GeneratorOptions options;
    options.Translit = {step.cyrillicToLatin, !step.cyrillicToLatin, tables_};
    Generate(GeneratorKind::Translit, options);
}

void Session::operator()(const DeleteStep& step)
{
    GeneratorOptions options;
    options.Delete = {step.from, step.count, step.fromEnd};
    Generate(GeneratorKind::Delete, options);
}

} // namespace tollwick::batch
