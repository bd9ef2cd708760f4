// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace tollwick {

void TForm1::SetUpKeyboard()
{
    // The flat buttons draw no focus of their own.
    for (QToolButton* button : findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setStyleSheet(
            QStringLiteral("QToolButton:focus { border: 1px solid palette(highlight); border-radius: 2px; }"));
    }
    // The list page goes tool bar, list, undo check.
    setTabOrder(c_.RunBtn, c_.FilterList);
    setTabOrder(c_.FilterList, c_.UndoCheck);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (modifiers == Qt::NoModifier && enter) {
        // A focused button is pressed itself, as a dialog does it.
        auto* focused = qobject_cast<QToolButton*>(focusWidget());
        QToolButton* target = focused != nullptr ? focused : c_.NextBtn;
        if (target->isEnabled()) {
            target->click();
        }
        return;
    }
    if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Escape) {
        if (c_.CancelBtn->isEnabled()) {
            c_.CancelBtn->click();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tollwick
