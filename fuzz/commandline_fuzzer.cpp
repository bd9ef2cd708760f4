// SPDX-License-Identifier: GPL-3.0-or-later
// The batch command line parser: arguments separated by NUL bytes; any
// fault must be a usage error, never a crash or another exception.
#include "FuzzInput.h"
#include "batch/CommandLine.h"
#include "batch/UsageError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    std::string_view rest = tollwick::fuzz::AsText(data, size);
    while (!rest.empty()) {
        const auto [argument, after] = tollwick::fuzz::CutAt(rest, '\0');
        arguments.emplace_back(argument);
        rest = after;
    }
    try {
        (void)tollwick::batch::ParseCommandLine(arguments);
    } catch (const tollwick::batch::UsageError&) {
    }
    return 0;
}
