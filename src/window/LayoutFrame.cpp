// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1Layout.h"
#include "window/LayoutBuilder.h"
#include "window/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>

namespace tollwick {
namespace {

QToolButton* GlyphButton(QWidget* form, const char* name, int left, const char* icon, LayoutBuilder& make)
{
    const QString objectName = QString::fromLatin1(name);
    auto* button = new QToolButton(form);
    button->setObjectName(objectName);
    button->setGeometry(left, 351, 34, 22);
    button->setAutoRaise(true);
    button->setIconSize({16, 16});
    button->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(icon)));
    make.Add({objectName, ComponentKind::Hint, [button](const QString& text) { button->setToolTip(text); }});
    return button;
}

void FileDialogComponent(const char* name, Dialogs::FileDialogSetup& setup, LayoutBuilder& make)
{
    make.Add(
        {QString::fromLatin1(name), ComponentKind::FileDialog, [&setup](const QString& text) { setup.title = text; }});
}

QAction* MenuItem(QMenu* menu, const char* name, const char* layoutCaption, LayoutBuilder& make)
{
    auto* action = menu->addAction(QString::fromLatin1(layoutCaption));
    action->setObjectName(QString::fromLatin1(name));
    make.Add({action->objectName(), ComponentKind::MenuItem, [action](const QString& text) { action->setText(text); }});
    return action;
}

} // namespace

void BuildForm1(QWidget* form, Form1Controls& c, Form1Dialogs& dialogs, ComponentList& components)
{
    LayoutBuilder make(components);
    BuildFrame(form, c, make);
    BuildPages9And10(form, c, make);
    BuildPages1And2(form, c, make);
    BuildPage3(form, c, make);
    BuildPages4And5(form, c, make);
    BuildPages6And7(form, c, make);
    BuildPage8(form, c, make);
    BuildUnplaced(form, c, dialogs, make);
}

void BuildFrame(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    c.Shape1 = new RoundedShape(form);
    c.Shape1->setObjectName(QStringLiteral("Shape1"));
    c.Shape1->setGeometry(8, 8, 233, 321);
    make.Add({c.Shape1->objectName(), ComponentKind::Plain, {}});

    c.PrevBtn = GlyphButton(form, "PrevBtn", 496, "nav_prev.svg", make);
    c.NextBtn = GlyphButton(form, "NextBtn", 536, "nav_next.svg", make);
    c.CancelBtn = GlyphButton(form, "CancelBtn", 584, "nav_cancel.svg", make);
    c.PrevBtn->setEnabled(false);
    c.CancelBtn->setEnabled(false);

    c.ProgressBar = new QProgressBar(form);
    c.ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    c.ProgressBar->setGeometry(200, 340, 425, 9);
    c.ProgressBar->setTextVisible(false);
    c.ProgressBar->setRange(0, 100);
    c.ProgressBar->setValue(0);
    make.Add({c.ProgressBar->objectName(), ComponentKind::Plain, {}});
}

void BuildUnplaced(QWidget* form, Form1Controls& c, Form1Dialogs& dialogs, LayoutBuilder& make)
{
    c.HelpMemo = make.Memo(form, "HelpMemo", {24, 16, 169, 305});
    c.HelpMemo->setPlainText(QStringLiteral("HelpMemo"));
    c.HelpMemo->setFrameShape(QFrame::NoFrame);
    c.HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.HelpMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    c.HelpCheck = make.Check(form, "HelpCheck", {200, 355, 281, 17});
    c.HelpCheck->setChecked(true);

    FileDialogComponent("OpenUndo", dialogs.OpenUndo, make);
    FileDialogComponent("OpenLanguage", dialogs.OpenLanguage, make);
    FileDialogComponent("SaveList", dialogs.SaveList, make);
    FileDialogComponent("OpenList", dialogs.OpenList, make);

    c.PopupMenu1 = new QMenu(form);
    c.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    make.Add({c.PopupMenu1->objectName(), ComponentKind::Plain, {}});
    c.AddMenu = MenuItem(c.PopupMenu1, "AddMenu", "Add", make);
    c.EditMenu = MenuItem(c.PopupMenu1, "EditMenu", "Edit", make);
    c.DeleteMenu = MenuItem(c.PopupMenu1, "DeleteMenu", "Delete", make);
    make.Add({QStringLiteral("ImageList1"), ComponentKind::Plain, {}});
}

void SetRightAlignedText(QLabel* label, const QString& text, int right)
{
    label->setText(text);
    label->adjustSize();
    label->move(right - label->width(), label->y());
}

} // namespace tollwick
