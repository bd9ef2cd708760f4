// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/Components.h"
#include "window/ThemeColours.h"

#include <QColor>
#include <QRect>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTabBar;
class QTableView;
class QWidget;

namespace tollwick {

/// Makes the window's controls at their places, names them and lists them
/// in component order as they are made.
class LayoutBuilder {
public:
    explicit LayoutBuilder(ComponentList& components) : components_(components) {}

    QGroupBox* Page(QWidget* form, int number);
    QLabel* Label(QWidget* parent, const char* name, QRect place, ComponentKind kind = ComponentKind::Label);
    QCheckBox* Check(QWidget* parent, const char* name, QRect place);
    QRadioButton* Radio(QWidget* parent, const char* name, QRect place);
    /// A plain edit field; its layout text is its name unless given.
    QLineEdit* Edit(QWidget* parent, const char* name, QRect place, const QString& layoutText = {});
    QPlainTextEdit* Memo(QWidget* parent, const char* name, QRect place);
    /// A number field of 1..256 holding 1.
    QSpinBox* Number(QWidget* parent, const char* name, QRect place);
    /// A tab strip whose tabs are named `tabPrefix` + 1..6 and numbered "1".."6".
    QTabBar* TabStrip(QWidget* parent, const char* name, QRect place, const QString& tabPrefix);
    /// A report-style list: whole rows selected, one at most, nothing
    /// edited in place, every row of one fixed height, so that a million
    /// rows cost no layout of rows.
    QTableView* ListView(QWidget* parent, const char* name, QRect place);
    /// Lists a component made elsewhere.
    void Add(Component component) { components_.push_back(std::move(component)); }

    /// Gives a control one of the layout's fixed text colours; the window
    /// shades it for the palette in use (TForm1::ApplyLayoutColours).
    static void SetTextColour(QWidget* widget, FixedHue hue);
    static void SetBold(QWidget* widget);

private:
    // A check box or radio button whose caption is a language text.
    template <typename Button> Button* Toggle(QWidget* parent, const char* name, QRect place, ComponentKind kind);

    ComponentList& components_;
};

/// The property that names a control's fixed text colour.
inline constexpr char FixedHueProperty[] = "fixedHue";

} // namespace tollwick
