// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/Runner.h"

#include "batch/Session.h"
#include "batch/StepTable.h"
#include "batch/UsageError.h"
#include "platform/AppHome.h"
#include "platform/DescriptorOutput.h"
#include "platform/Errors.h"

#include <exception>

namespace tollwick::batch {
namespace {

std::string OutputFailure(const std::ostream& out)
{
    const auto* descriptor = dynamic_cast<const DescriptorOutput*>(out.rdbuf());
    const std::string reason = descriptor == nullptr ? std::string() : descriptor->FailureReason();
    return reason.empty() ? "Cannot write the output" : "Cannot write the output: " + reason;
}

std::string HomeOf(const Invocation& invocation)
{
    HomeSources sources = HomeSourcesOfThisProcess();
    if (invocation.home) {
        sources.tollwickHome = *invocation.home;
    }
    return ResolveApplicationHome(sources);
}

} // namespace

int RunInvocation(const Invocation& invocation, std::ostream& out, std::ostream& err, SystemCalls& calls,
                  const TerminationSignals* signals)
{
    if (invocation.showHelp) {
        out << HelpText();
        return ExitOk;
    }
    if (invocation.showCompletionTable) {
        out << CompletionTable();
        return ExitOk;
    }
    const auto signalled = [signals] { return signals != nullptr && signals->Received() != 0; };
    bool rowsNotRenamed = false;
    try {
        Session session(HomeOf(invocation), out, err, calls, signals != nullptr ? signals->Token() : std::stop_token());
        session.ReadDatesFor(invocation.steps);
        for (const Step& step : invocation.steps) {
            if (signalled()) {
                break;
            }
            session.Run(step);
            // A step runs to its end even when nobody reads its output; the
            // failed write is then its error, and no later step runs.
            if (!out.flush()) {
                throw TollwickError(OutputFailure(out));
            }
        }
        rowsNotRenamed = session.RowsNotRenamed();
    } catch (const BadValue& error) {
        out.flush();
        err << error.what() << '\n';
        return ExitUsage;
    } catch (const std::exception& error) {
        out.flush();
        err << error.what() << '\n';
        return signalled() ? signals->ExitStatus() : ExitStepFailed;
    }
    out.flush();
    if (!out) {
        // A script must not take a cut-off list or result for a whole one.
        err << OutputFailure(out) << '\n';
        return ExitStepFailed;
    }
    if (signalled()) {
        err << "Stopped by signal " << signals->Received() << ": no later step ran\n";
        return signals->ExitStatus();
    }
    return rowsNotRenamed ? ExitRowsNotRenamed : ExitOk;
}

} // namespace tollwick::batch
