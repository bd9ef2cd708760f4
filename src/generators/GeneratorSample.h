// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/GenerationPass.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tollwick {

/// What the generator page shows of one name before the pass runs.
struct GeneratorSample {
    std::string NewName;              // what the active tab makes of the name
    std::optional<std::string> Error; // or the error that would stop the pass, as the pass words it
};

/// The row's file, which the mask's tokens read.
struct SampleFile {
    std::string_view folder;         // the list folder; none reads no file
    std::string_view fileName;       // the row's present name on disk
    const RowFacts* facts = nullptr; // none takes the file's status and no media tags
};

/// The name `step` (none leaves it as it is) would give `name` when it is
/// processed after `processedBefore` rows of a pass: the mask's counter.
[[nodiscard]] GeneratorSample SampleNewName(std::string_view name, const std::optional<GeneratorStep>& step,
                                            const TranslitTables& tables, std::int64_t processedBefore,
                                            const SampleFile& file = {});

} // namespace tollwick
