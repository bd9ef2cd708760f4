// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/StepTable.h"

#include <sstream>

namespace tollwick::batch {
namespace {

std::string ModifierUsage(const ModifierForm& modifier)
{
    std::string usage(modifier.name);
    if (!modifier.operand.name.empty()) {
        usage += ' ';
        usage += OperandName(modifier.operand);
    }
    return modifier.required ? usage : "[" + usage + "]";
}

// "--import FILE --layout N [--separator S]", then the help and one line per modifier.
void WriteStep(std::ostream& out, const StepForm& definition)
{
    out << "  " << definition.name;
    for (const OperandForm& operand : definition.operands) {
        out << ' ' << OperandName(operand);
    }
    for (const ModifierForm& modifier : definition.modifiers) {
        out << ' ' << ModifierUsage(modifier);
    }
    out << "\n      " << definition.help << '\n';
    for (const ModifierForm& modifier : definition.modifiers) {
        out << "        " << modifier.name << ": " << modifier.help << '\n';
    }
}

} // namespace

std::string HelpText()
{
    std::ostringstream out;
    out << "Usage: tollwick-batch [--home DIR] STEP...\n"
           "Runs the steps of the Tollwick wizard in the order given, each as the window does it.\n"
           "The whole command line is checked before the first step runs.\n\n"
           "  --home DIR\n      Application home with data/, language/ and undo/ (as TOLLWICK_HOME).\n"
           "  --help\n      Show this text.\n\nSteps:\n";
    for (const StepForm& definition : StepForms()) {
        WriteStep(out, definition);
    }
    out << "\nName list layouts: 1 old and new name on two lines, 2 new and old name on two lines,\n"
           "3 old names, 4 new names, 5 old name S new name, 6 new name S old name.\n"
           "A filter term (--filter-old, --filter-new, --filter-dates) switches the filter on, with the\n"
           "filter page's stored tests, until a later --filter off; the steps after it see the shown rows only.\n"
           "Exit status: 0 every step ran and every checked row was renamed or unchanged,\n"
           "1 a step failed or an error stopped a run (message on standard error),\n"
           "2 the command line is wrong (nothing was done), 3 every step ran but a run left\n"
           "checked rows not renamed (missing, name taken, refused, not reached), or with\n"
           "--preview the forecast says it would, 130 or 143 stopped by SIGINT or SIGTERM (a run ends\n"
           "after the rename in progress, its undo file whole).\n";
    return out.str();
}

} // namespace tollwick::batch
