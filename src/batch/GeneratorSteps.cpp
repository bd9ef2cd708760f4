// SPDX-License-Identifier: GPL-3.0-or-later
// The generator steps: each fills the options of its tab and runs one pass.
#include "batch/Session.h"
#include "generators/Algoritms.h"

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

void Session::Generate(std::string_view tabName, const GeneratorOptions& tab)
{
    // The translit options hold the tables by reference, so the page's options are built whole.
    const GeneratorOptions options{tab.Case, tab.Replace, tab.Mask, tab.Translit, tab.Delete, state_.checkedOnly};
    (void)GenerateNewNames(state_.list, tabName, options, progress_);
}

void Session::operator()(const CaseStep& step)
{
    Generate("Generate1", {.Case = CaseOptionsOf(step),
                           .Replace = {},
                           .Mask = {},
                           .Translit = {},
                           .Delete = {},
                           .ApplyCheckedOnlyCheck = false});
}

void Session::operator()(const ReplaceStep& step)
{
    Generate("Generate2",
             {.Case = {},
              .Replace = {step.from, step.to, step.firstOnly, step.matchCase, step.keepExtension, step.regex},
              .Mask = {},
              .Translit = {},
              .Delete = {},
              .ApplyCheckedOnlyCheck = false});
}

void Session::operator()(const MaskStep& step)
{
    Generate("Generate3", {.Case = {},
                           .Replace = {},
                           .Mask = {step.nameMask, step.extensionMask, step.count},
                           .Translit = {},
                           .Delete = {},
                           .ApplyCheckedOnlyCheck = false});
}

void Session::operator()(const TranslitStep& step)
{
    Generate("Generate4", {.Case = {},
                           .Replace = {},
                           .Mask = {},
                           .Translit = {step.cyrillicToLatin, !step.cyrillicToLatin, data_.tables},
                           .Delete = {},
                           .ApplyCheckedOnlyCheck = false});
}

void Session::operator()(const DeleteStep& step)
{
    Generate("Generate5", {.Case = {},
                           .Replace = {},
                           .Mask = {},
                           .Translit = {},
                           .Delete = {step.from, step.count, step.fromEnd},
                           .ApplyCheckedOnlyCheck = false});
}

} // namespace tollwick::batch
