// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PresetFile.h"

#include "platform/Errors.h"
#include "platform/LineFile.h"
#include "settings/KeyLines.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tollwick {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view stepKey = "step";

struct Bracket {
    std::string key;
    std::string value;
};

// "[KEY,VALUE]": the key runs to the first ",", the value to the closing "]".
std::optional<Bracket> SplitBracket(std::string_view line)
{
    const std::size_t comma = line.find(',');
    if (line.size() < 3 || line.front() != '[' || line.back() != ']' || comma == std::string_view::npos || comma == 1) {
        return std::nullopt;
    }
    return Bracket{std::string(line.substr(1, comma - 1)),
                   std::string(line.substr(comma + 1, line.size() - comma - 2))};
}

} // namespace

void CheckPresetName(std::string_view name)
{
    if (name.empty() || name.find('/') != std::string_view::npos || name.front() == '.' ||
        name.size() > longestPresetName) {
        throw TollwickError(
            R"(A preset name must not be empty, hold "/", start with "." or be longer than 200 bytes.)");
    }
}

std::string PresetPath(const std::string& home, std::string_view name)
{
    CheckPresetName(name);
    return home + std::string(PresetFolderPath) + std::string(name) + std::string(PresetExtension);
}

std::string PresetLineError(const std::string& path, std::size_t line, std::string_view reason)
{
    return path + ":" + std::to_string(line) + ": " + std::string(reason);
}

std::vector<PresetSection> ReadPresetSections(const std::string& home, std::string_view name)
{
    const std::string path = PresetPath(home, name);
    const auto lines = ReadLinesIfPresent(path);
    if (!lines) {
        throw TollwickError("There is no preset " + std::string(name) + " (" + path + ")");
    }
    std::vector<PresetSection> sections;
    for (std::size_t index = 0; index < lines->size(); ++index) {
        const std::size_t number = index + 1;
        const std::string_view line = (*lines)[index];
        if (line.empty()) {
            continue;
        }
        auto bracket = SplitBracket(line);
        if (!bracket) {
            throw TollwickError(PresetLineError(path, number, "not a line [KEY,VALUE]"));
        }
        if (bracket->key == stepKey) {
            sections.push_back({std::move(bracket->value), {}, number});
        } else if (sections.empty()) {
            throw TollwickError(PresetLineError(path, number, "an option before the first [step,ID] line"));
        } else {
            sections.back().options.push_back({std::move(bracket->key), std::move(bracket->value), number});
        }
    }
    if (sections.empty()) {
        throw TollwickError(PresetLineError(path, std::max<std::size_t>(lines->size(), 1), "no [step,ID] line"));
    }
    return sections;
}

void WritePresetSections(const std::string& home, std::string_view name, const std::vector<PresetSection>& sections)
{
    const std::string path = PresetPath(home, name);
    std::error_code error;
    fs::create_directories(home + std::string(PresetFolderPath), error);
    if (error) {
        throw CannotCreateFile(path);
    }
    std::vector<std::string> lines;
    for (const PresetSection& section : sections) {
        lines.push_back(BracketLine(stepKey, SingleLineValue(section.id)));
        for (const PresetOption& option : section.options) {
            lines.push_back(BracketLine(SingleLineValue(option.key), SingleLineValue(option.value)));
        }
    }
    WriteLinesAtomic(path, lines);
}

std::vector<std::string> PresetNames(const std::string& home)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(home + std::string(PresetFolderPath), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string file = entry->path().filename().string();
        if (file.front() != '.' && file.size() > PresetExtension.size() && file.ends_with(PresetExtension) &&
            entry->is_regular_file(error)) {
            names.push_back(file.substr(0, file.size() - PresetExtension.size()));
        }
    }
    std::ranges::sort(names);
    return names;
}

bool RemovePreset(const std::string& home, std::string_view name)
{
    std::error_code error;
    const bool removed = fs::remove(PresetPath(home, name), error);
    if (error) {
        throw TollwickError("Cannot remove file " + PresetPath(home, name) + ": " + error.message());
    }
    return removed;
}

} // namespace tollwick
