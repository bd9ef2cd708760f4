// SPDX-License-Identifier: GPL-3.0-or-later
// The name mask with and without the counter, its tokens, and AddToNumbers. Input:
// name mask, TAB, extension mask, TAB, file name; the first byte also
// picks the counter.
#include "FuzzInput.h"
#include "generators/MaskTokens.h"
#include "generators/NameMask.h"
#include "platform/Errors.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

bool HasToken(std::string_view mask)
{
    const auto segments = tollwick::SplitMaskSegments(mask);
    return std::any_of(segments.begin(), segments.end(), [](const auto& segment) { return segment.token; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    constexpr std::int64_t counters[] = {0, 1, 9, 99, 2147483647, std::numeric_limits<std::int32_t>::max() * 2LL};
    const std::int64_t counter = counters[data[0] % std::size(counters)];
    const std::string_view text = tollwick::fuzz::AsText(data + 1, size - 1);
    const auto [nameMask, rest] = tollwick::fuzz::CutAt(text, '\t');
    const auto [extMask, name] = tollwick::fuzz::CutAt(rest, '\t');
    try {
        (void)tollwick::AddToNumbers(text, counter);
    } catch (const tollwick::TollwickError&) {
        // A run of digits beyond 32 bits is the conversion error.
    }
    // A mask that keeps its tokens as typed must read the same way again.
    if (tollwick::CleanMask(tollwick::CleanMask(nameMask)) != tollwick::CleanMask(nameMask)) {
        std::abort();
    }
    const bool tokens = HasToken(nameMask) || HasToken(extMask);
    for (const bool counting : {false, true}) {
        try {
            const tollwick::MaskResult result =
                tollwick::ApplyMask(name, counter, {std::string(nameMask), std::string(extMask), counting});
            if (result.newName.find_first_of("\\/:*?\"<>|") != std::string::npos) {
                std::abort();
            }
        } catch (const tollwick::TollwickError&) {
            if (!counting && !tokens) {
                std::abort(); // only the counter reads numbers, and only tokens can be bad
            }
        }
    }
    return 0;
}
