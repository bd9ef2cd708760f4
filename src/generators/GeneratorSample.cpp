// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorSample.h"

namespace tollwick {
namespace {

std::string NewNameOf(std::string_view name, std::optional<GeneratorKind> generator, const GeneratorOptions& options,
                      std::int64_t counter)
{
    if (!generator) {
        return std::string(name);
    }
    switch (*generator) {
    case GeneratorKind::Case:
        return ChangeCase(name, options.Case);
    case GeneratorKind::Replace:
        return ReplaceText(name, options.Replace).NewName;
    case GeneratorKind::Mask:
        return ApplyMask(name, counter, options.Mask).NewName;
    case GeneratorKind::Translit:
        return Transliterate(name, options.Translit);
    case GeneratorKind::Delete:
        return DeleteChars(name, options.Delete);
    }
    return std::string(name);
}

} // namespace

GeneratorSample SampleNewName(std::string_view name, std::optional<GeneratorKind> generator,
                              const GeneratorOptions& options, std::int64_t processedBefore)
{
    try {
        return {NewNameOf(name, generator, options, processedBefore), std::nullopt};
    } catch (const TollwickError& error) {
        return {std::string(name), std::string(error.what())};
    }
}

} // namespace tollwick
