// SPDX-License-Identifier: GPL-3.0-or-later
// tollwick-batch: the wizard's steps from the command line.
#include "batch/CommandLine.h"
#include "batch/Runner.h"
#include "batch/UsageError.h"
#include "platform/DescriptorOutput.h"
#include "platform/TerminationSignals.h"

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    tollwick::batch::Invocation invocation;
    try {
        invocation = tollwick::batch::ParseCommandLine(arguments);
    } catch (const tollwick::batch::UsageError& error) {
        std::cerr << "tollwick-batch: " << error.what() << "\nTry 'tollwick-batch --help'.\n";
        return tollwick::batch::ExitUsage;
    }
    // A reader that goes away (| head) must not end a run half way.
    tollwick::IgnoreBrokenPipe();
    tollwick::DescriptorOutput standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    // Ctrl+C and kill end a run after the rename in progress, its record whole.
    const tollwick::TerminationSignals signals;
    return tollwick::batch::RunInvocation(invocation, out, std::cerr, tollwick::RealSystemCalls(), &signals);
}
