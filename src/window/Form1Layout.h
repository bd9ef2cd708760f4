// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/Components.h"
#include "window/Dialogs.h"
#include "window/Form1Controls.h"

class QWidget;

namespace tollwick {

/// The four file dialogs of the window, as the texts and the settings set them up.
struct Form1Dialogs {
    Dialogs::FileDialogSetup OpenUndo{{}, QStringLiteral("*.twu"), {}, false};
    Dialogs::FileDialogSetup OpenLanguage{{}, QStringLiteral("*.lng"), {}, false};
    Dialogs::FileDialogSetup SaveList{{}, QStringLiteral("*"), {}, true};
    Dialogs::FileDialogSetup OpenList{{}, QStringLiteral("*"), {}, false};
};

class LayoutBuilder;

/// Makes every control of the window at its place, in component order.
void BuildForm1(QWidget* form, Form1Controls& c, Form1Dialogs& dialogs, ComponentList& components);

// The parts of BuildForm1, each in component order.
void BuildFrame(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildPages9And10(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildPages1And2(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildPage3(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildPages4And5(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildPages6And7(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildPage8(QWidget* form, Form1Controls& c, LayoutBuilder& make);
void BuildUnplaced(QWidget* form, Form1Controls& c, Form1Dialogs& dialogs, LayoutBuilder& make);

/// Puts a text on a label that ends at `right`, sized to the text.
void SetRightAlignedText(QLabel* label, const QString& text, int right);

} // namespace tollwick
