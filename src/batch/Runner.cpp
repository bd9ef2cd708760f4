// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/Runner.h"

#include "batch/Session.h"
#include "batch/StepTable.h"
#include "platform/AppHome.h"

#include <exception>

namespace tollwick::batch {
namespace {

std::string HomeOf(const Invocation& invocation)
{
    HomeSources sources = HomeSourcesOfThisProcess();
    if (invocation.home) {
        sources.tollwickHome = *invocation.home;
    }
    return ResolveApplicationHome(sources);
}

} // namespace

int RunInvocation(const Invocation& invocation, std::ostream& out, std::ostream& err)
{
    if (invocation.showHelp) {
        out << HelpText();
        return ExitOk;
    }
    try {
        Session session(HomeOf(invocation), out, err);
        for (const Step& step : invocation.steps) {
            session.Run(step);
        }
    } catch (const std::exception& error) {
        out.flush();
        err << error.what() << '\n';
        return ExitStepFailed;
    }
    out.flush();
    if (!out) {
        // A script must not take a cut-off list or result for a whole one.
        err << "Cannot write the output\n";
        return ExitStepFailed;
    }
    return ExitOk;
}

} // namespace tollwick::batch
