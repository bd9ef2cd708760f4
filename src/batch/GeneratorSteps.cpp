// SPDX-License-Identifier: GPL-3.0-or-later
// The generator steps: each runs one pass.
#include "batch/Session.h"
#include "batch/UsageError.h"
#include "generators/Algoritms.h"
#include "generators/RemovedChars.h"
#include "settings/TableEditor.h"

namespace tollwick::batch {

void Session::SayWhatIsLeftOut(std::string_view option, std::string_view text, const std::string& chars) const
{
    if (!chars.empty()) {
        err_ << option << ' ' << text << ": " << PromptWithSource(Text("MsgCharsLeftOut"), SpacedChars(chars)) << '\n';
    }
}

void Session::Generate(const GeneratorStep& step)
{
    try {
        (void)session_.GenerateNewNames(step, {checkedOnly_, tables_});
    } catch (const GenerationStopped& stopped) {
        // Every stop of a pass is a value the generator cannot use.
        throw BadValue(stopped.what());
    }
}

void Session::operator()(const CaseStep& step)
{
    Generate(step);
}

void Session::operator()(const ReplaceStep& step)
{
    const RemovedChars removed = RemovedFromTypedTexts(step);
    SayWhatIsLeftOut("--replace", "FROM", removed.From);
    SayWhatIsLeftOut("--replace", "TO", removed.To);
    Generate(step);
}

void Session::operator()(const MaskStep& step)
{
    const RemovedChars removed = RemovedFromTypedTexts(step);
    SayWhatIsLeftOut("--mask", "NAME", removed.Name);
    SayWhatIsLeftOut("--mask", "EXT", removed.Ext);
    Generate(step);
}

void Session::operator()(const TranslitStep& step)
{
    Generate(step);
}

void Session::operator()(const DeleteStep& step)
{
    Generate(step);
}

} // namespace tollwick::batch
