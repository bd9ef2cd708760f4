// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

#include "generators/GeneratorRegistry.h"

namespace tollwick {

GeneratorSample SampleNewName(std::string_view name, const std::optional<GeneratorStep>& step,
                              const TranslitTables& tables, std::int64_t processedBefore, const SampleFile& file)
{
    if (!step) {
        return {std::string(name), std::nullopt};
    }
    // Made ready as a pass makes it, so the sample gives what the pass will.
    const PassContext context(false, tables, std::string(file.folder), file.facts);
    try {
        const std::unique_ptr<PreparedStep> prepared = GeneratorOf(KindOf(*step)).Prepare(*step, context);
        std::string newName;
        prepared->Apply(name, {processedBefore, file.fileName}, newName);
        return {std::move(newName), std::nullopt};
    } catch (const TollwickError& error) {
        return {std::string(name), std::string(error.what())};
    }
}

} // namespace tollwick
