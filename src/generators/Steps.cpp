// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/Steps.h"

namespace tollwick {

GeneratorStep StepOf(const GeneratorSetup& setup, GeneratorKind kind)
{
    switch (kind) {
    case GeneratorKind::Case:
        return setup.caseStep;
    case GeneratorKind::Replace:
        return setup.replace;
    case GeneratorKind::Mask:
        return setup.mask;
    case GeneratorKind::Translit:
        return setup.translit;
    case GeneratorKind::Delete:
        break;
    }
    return setup.deleteStep;
}

} // namespace tollwick
