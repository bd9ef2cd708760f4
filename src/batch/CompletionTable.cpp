// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/StepTable.h"

#include <sstream>

namespace tollwick::batch {
namespace {

// A number range short enough to list is offered value by value.
constexpr int ListedNumbers = 10;

std::string OperandEntry(const OperandForm& operand)
{
    switch (operand.kind) {
    case OperandKind::Folder:
        return "folder";
    case OperandKind::File:
        return "file";
    case OperandKind::Words:
        return "=" + OperandName(OperandForm{{}, operand.kind, operand.words});
    case OperandKind::Number:
        if (operand.highest - operand.lowest < ListedNumbers) {
            std::string values = "=";
            for (int value = operand.lowest; value <= operand.highest; ++value) {
                values += (value == operand.lowest ? "" : "|") + std::to_string(value);
            }
            return values;
        }
        return "text";
    case OperandKind::Text:
        break;
    }
    return "text";
}

} // namespace

std::string CompletionTable()
{
    std::ostringstream out;
    out << "step --home folder\nstep --help\n";
    for (const StepForm& definition : StepForms()) {
        out << "step " << definition.name;
        for (const OperandForm& operand : definition.operands) {
            out << ' ' << OperandEntry(operand);
        }
        out << '\n';
        for (const ModifierForm& modifier : definition.modifiers) {
            out << "modifier " << definition.name << ' ' << modifier.name;
            if (!modifier.operand.name.empty()) {
                out << ' ' << OperandEntry(modifier.operand);
            }
            out << '\n';
        }
    }
    return out.str();
}

} // namespace tollwick::batch
