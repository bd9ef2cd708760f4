// SPDX-License-Identifier: GPL-3.0-or-later
// The name mask with and without the counter, and AddToNumbers. Input:
// name mask, TAB, extension mask, TAB, file name; the first byte also
// picks the counter.
#include "FuzzInput.h"
#include "generators/NameMask.h"
#include "platform/Errors.h"

#include <cstdlib>
#include <limits>

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
    for (const bool counting : {false, true}) {
        try {
            const tollwick::MaskResult result =
                tollwick::ApplyMask(name, counter, {std::string(nameMask), std::string(extMask), counting});
            if (result.NewName.find_first_of("\\/:*?\"<>|") != std::string::npos) {
                std::abort();
            }
        } catch (const tollwick::TollwickError&) {
            if (!counting) {
                std::abort(); // only the counter reads numbers
            }
        }
    }
    return 0;
}
