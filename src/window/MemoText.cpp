// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MemoText.h"

#include "window/TextBridge.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>

namespace tollwick {

QString JoinedLines(const std::vector<std::string>& lines)
{
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        shown.append(FromBytes(line));
    }
    return shown.join(u'\n');
}

void ShowAtTop(QPlainTextEdit* memo, const QString& text)
{
    memo->setPlainText(text);
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::Start);
    memo->setTextCursor(cursor);
}

} // namespace tollwick
