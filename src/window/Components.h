// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QAbstractButton;
class QLineEdit;

namespace tollwick {

/// What a component of the window takes from the language file and what of
/// it the settings keep.
enum class ComponentKind {
    Plain,       // takes nothing: shapes, memos, lists of the tables, number fields
    Page,        // group box: its title
    Label,       // caption
    FixedLabel,  // keeps its layout text or gets it elsewhere
    CheckBox,    // caption; its state is stored
    RadioButton, // caption; its state is stored
    Edit,        // plain edit field: its text is stored
    Hint,        // navigation and tool bar buttons, separators included
    Tab,         // caption of a tab
    FileDialog,  // title
    MenuItem,    // caption
    ListView,    // the four column headings
};

/// One component in the window's component order.
struct Component {
    Component(QString componentName, ComponentKind componentKind, std::function<void(const QString&)> textSetter = {})
        : name(std::move(componentName)), kind(componentKind), setText(std::move(textSetter))
    {
    }

    QString name;
    ComponentKind kind = ComponentKind::Plain;
    /// Puts a language text on the component; empty for components without one.
    std::function<void(const QString&)> setText;
    /// Puts the four column headings on a list view.
    std::function<void(const QStringList&)> setHeadings;
    QLineEdit* edit = nullptr;      // for Edit
    QAbstractButton* box = nullptr; // for CheckBox and RadioButton
};

/// The components of the window in the order the texts, the settings load
/// and the settings save visit them: each container followed by what it holds.
using ComponentList = std::vector<Component>;

} // namespace tollwick
