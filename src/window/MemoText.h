// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace tollwick {

/// Lines of a language file as one text for a memo.
[[nodiscard]] QString JoinedLines(const std::vector<std::string>& lines);
/// Shows `text` in `memo` from its first line, whatever was scrolled before.
void ShowAtTop(QPlainTextEdit* memo, const QString& text);

} // namespace tollwick
