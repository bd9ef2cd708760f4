// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/Steps.h"
#include "rename/Filter.h"
#include "settings/OptionsFile.h"
#include "settings/SettingsFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

// The window's control names where the core needs them: the one place that
// maps them onto the core's own vocabulary.

/// The generator of a generator tab, by the tab's exact object name; none
/// for any other name.
[[nodiscard]] std::optional<GeneratorKind> GeneratorOfTab(std::string_view tabName);
/// The object name of the tab of `kind`.
[[nodiscard]] std::string_view TabOfGenerator(GeneratorKind kind);

/// The generator page as the stored controls hold it. The counts the files
/// keep no line for (first-upper count, delete position and count) keep
/// their defaults; a case group with no button checked gives lower case.
[[nodiscard]] GeneratorSetup GeneratorSetupOf(const Settings& settings, const ExtraOptions& extra);
/// Writes the stored parts of `setup` back into the controls they came from.
void StoreGeneratorSetup(const GeneratorSetup& setup, Settings& settings, ExtraOptions& extra);

/// The filter page as stored, with the toggle off, as the window starts.
[[nodiscard]] FilterSettings StoredFilterOf(const Settings& settings);

/// The separator a name list is read with, as the import page holds it.
[[nodiscard]] std::string ImportSeparatorOf(const Settings& settings);
/// The separator a name list is written with, as the export page holds it.
[[nodiscard]] std::string ExportSeparatorOf(const Settings& settings);

} // namespace tollwick
