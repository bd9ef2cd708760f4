// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

// A preset file: sections that each start with "[step,ID]", followed by the
// "[KEY,VALUE]" options of that step. What the ids and keys mean is the
// generators' business; this file only keeps their lines.

inline constexpr std::string_view PresetFolderPath = "data/presets/";
inline constexpr std::string_view PresetExtension = ".cfg";
inline constexpr std::size_t longestPresetName = 200;

struct PresetOption {
    std::string key;
    std::string value;
    std::size_t line = 0; // 1-based, 0 for one not read from a file
};

struct PresetSection {
    std::string id;
    std::vector<PresetOption> options;
    std::size_t line = 0;
};

/// Raises "A preset name must not be empty, hold "/", start with "." or be
/// longer than 200 bytes." for a name that cannot be a file of the folder.
void CheckPresetName(std::string_view name);
/// Where the preset `name` is kept under `home`; checks the name.
[[nodiscard]] std::string PresetPath(const std::string& home, std::string_view name);

/// The "FILE:LINE: reason" error of a preset file.
[[nodiscard]] std::string PresetLineError(const std::string& path, std::size_t line, std::string_view reason);

/// The sections of preset `name`. Raises "There is no preset NAME (FILE)"
/// when it is not there, "Cannot open file %s" when it cannot be read and
/// PresetLineError for a line that is no bracket line, an option before any
/// step or a file without a step.
[[nodiscard]] std::vector<PresetSection> ReadPresetSections(const std::string& home, std::string_view name);
/// Writes the preset atomically, making its folder when needed; raises
/// "Cannot create file %s" and leaves an older preset of the name whole.
void WritePresetSections(const std::string& home, std::string_view name, const std::vector<PresetSection>& sections);
/// The names of the stored presets, sorted.
[[nodiscard]] std::vector<std::string> PresetNames(const std::string& home);
/// Removes the preset; false when it was not there.
bool RemovePreset(const std::string& home, std::string_view name);

} // namespace tollwick
