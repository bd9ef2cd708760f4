// SPDX-License-Identifier: GPL-3.0-or-later
// The generator steps: each runs one pass.
#include "batch/Session.h"
#include "batch/UsageError.h"
#include "session/Vocabulary.h"
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
        const CleanedTexts cleaned = session_.GenerateNewNames(step);
        for (const MissingValue& missing : cleaned.missing) {
            err_ << "--mask: " << session_.NoValueMessage(missing) << '\n';
        }
        stepsRun_.push_back(step);
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

void Session::operator()(const PresetStep& step)
{
    std::vector<GeneratorStep> steps;
    try {
        steps = session_.LoadPreset(step.name);
    } catch (const TollwickError& error) {
        // Read whole before the first pass, so a damaged preset changes no name.
        throw BadValue(error.what());
    }
    for (const GeneratorStep& generatorStep : steps) {
        std::visit(*this, generatorStep);
    }
}

void Session::operator()(const SavePresetStep& step)
{
    if (stepsRun_.empty()) {
        throw BadValue("--save-preset " + step.name + ": no generator step comes before it");
    }
    session_.SavePreset(step.name, stepsRun_);
}

void Session::operator()(const ListPresetsStep&)
{
    for (const std::string& name : session_.PresetNames()) {
        out_ << name << '\n';
    }
}

} // namespace tollwick::batch
