// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

namespace tollwick {
namespace {

std::string NewNameOf(std::string_view name, std::string_view tab, const GeneratorOptions& options,
                      std::int64_t counter)
{
    if (tab == "Generate1") {
        return ChangeCase(name, options.Case);
    }
    if (tab == "Generate2") {
        return ReplaceText(name, options.Replace).NewName;
    }
    if (tab == "Generate3") {
        return ApplyMask(name, counter, options.Mask).NewName;
    }
    if (tab == "Generate4") {
        return Transliterate(name, options.Translit);
    }
    if (tab == "Generate5") {
        return DeleteChars(name, options.Delete);
    }
    return std::string(name);
}

} // namespace

GeneratorSample SampleNewName(std::string_view name, std::string_view activeTabName, const GeneratorOptions& options,
                              std::int64_t processedBefore)
{
    try {
        return {NewNameOf(name, activeTabName, options, processedBefore), std::nullopt};
    } catch (const TollwickError& error) {
        return {std::string(name), std::string(error.what())};
    }
}

} // namespace tollwick
