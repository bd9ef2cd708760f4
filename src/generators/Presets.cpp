// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/Presets.h"

#include "generators/GeneratorRegistry.h"
#include "settings/PresetFile.h"

namespace tollwick {

void SavePreset(const std::string& home, std::string_view name, const std::vector<GeneratorStep>& steps)
{
    std::vector<PresetSection> sections;
    for (const GeneratorStep& step : steps) {
        const Generator& generator = GeneratorOf(KindOf(step));
        PresetSection section{std::string(generator.Id()), {}, 0};
        for (auto& [key, value] : generator.Save(step)) {
            section.options.push_back({std::move(key), std::move(value), 0});
        }
        sections.push_back(std::move(section));
    }
    WritePresetSections(home, name, sections);
}

std::vector<GeneratorStep> LoadPreset(const std::string& home, std::string_view name)
{
    const std::string path = PresetPath(home, name);
    std::vector<GeneratorStep> steps;
    for (const PresetSection& section : ReadPresetSections(home, name)) {
        const Generator* generator = FindGenerator(section.id);
        if (generator == nullptr) {
            throw TollwickError(PresetLineError(path, section.line, "'" + section.id + "' is not a generator"));
        }
        StepOptions options;
        for (const PresetOption& option : section.options) {
            options.emplace_back(option.key, option.value);
        }
        try {
            steps.push_back(generator->Load(options));
        } catch (const StepOptionError& error) {
            // The last line of the key is the one whose value was taken.
            std::size_t line = section.line;
            for (const PresetOption& option : section.options) {
                if (option.key == error.Key()) {
                    line = option.line;
                }
            }
            throw TollwickError(PresetLineError(path, line, error.what()));
        }
    }
    return steps;
}

} // namespace tollwick
