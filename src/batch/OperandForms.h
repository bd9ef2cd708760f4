// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Short makers of the step tables' operands, one a kind.
#include "batch/StepTable.h"

#include <string_view>
#include <utility>
#include <vector>

namespace tollwick::batch {

inline OperandForm Text(std::string_view name)
{
    return {name, OperandKind::Text, {}};
}

inline OperandForm Folder(std::string_view name)
{
    return {name, OperandKind::Folder, {}};
}

inline OperandForm File(std::string_view name)
{
    return {name, OperandKind::File, {}};
}

inline OperandForm Number(std::string_view name, int lowest, int highest)
{
    return {name, OperandKind::Number, {}, lowest, highest};
}

inline OperandForm Words(std::string_view name, std::vector<std::string_view> words)
{
    return {name, OperandKind::Words, std::move(words)};
}

} // namespace tollwick::batch
