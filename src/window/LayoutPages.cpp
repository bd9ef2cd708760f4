// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ProgramVersion.h"
#include "window/Form1Layout.h"
#include "window/LayoutBuilder.h"
#include "window/TextBridge.h"
#include "window/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace tollwick {
namespace {

// Labels that size to their text get the width up to the page's right edge.
QRect LabelAt(int left, int top)
{
    return {left, top, 417 - left, 15};
}

QDateEdit* DatePicker(QWidget* parent, const char* name, QRect place, LayoutBuilder& make)
{
    auto* picker = new QDateEdit(QDate(2005, 11, 30), parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setGeometry(place);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    make.Add({picker->objectName(), ComponentKind::Plain, {}});
    return picker;
}

QToolButton* ToolButton(QToolBar* bar, const char* name, const char* icon, LayoutBuilder& make)
{
    const QString objectName = QString::fromLatin1(name);
    auto* button = new QToolButton(bar);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setIconSize({16, 16});
    button->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromLatin1(icon)));
    bar->addWidget(button);
    // A button with a shortcut tells it in its tool tip, in the keyboard's own words.
    make.Add({objectName, ComponentKind::Hint, [button](const QString& text) {
                  const QString keys = button->shortcut().toString(QKeySequence::NativeText);
                  button->setToolTip(keys.isEmpty() ? text : text + QStringLiteral(" (") + keys + u')');
              }});
    return button;
}

void Separator(QToolBar* bar, const char* name, LayoutBuilder& make)
{
    QAction* separator = bar->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    make.Add({separator->objectName(), ComponentKind::Hint,
              [separator](const QString& text) { separator->setToolTip(text); }});
}

/// A navy, underlined link whose right edge stays at 416.
LinkLabel* Link(QWidget* page, const char* name, QPoint place, ComponentKind kind, LayoutBuilder& make)
{
    auto* link = new LinkLabel(page);
    link->setObjectName(QString::fromLatin1(name));
    link->move(place);
    LayoutBuilder::SetTextColour(link, FixedHue::Navy);
    QFont linkFont = link->font();
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    SetRightAlignedText(link, link->objectName(), 416);
    std::function<void(const QString&)> setText;
    if (kind == ComponentKind::Label) {
        setText = [link](const QString& text) { SetRightAlignedText(link, text, 416); };
    }
    make.Add({link->objectName(), kind, setText});
    return link;
}

} // namespace

void BuildPages9And10(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    QGroupBox* page9 = c.pages[8] = make.Page(form, 9);
    make.Label(page9, "Label20", LabelAt(8, 24));
    make.Label(page9, "Label21", LabelAt(8, 208));
    c.KindOfSaveList = make.TabStrip(page9, "KindOfSaveList", {8, 40, 409, 24}, QStringLiteral("SKind"));
    c.KindSaveDemo = make.Memo(page9, "KindSaveDemo", {8, 64, 409, 137});
    c.KindSaveEdit = make.Edit(page9, "KindSaveEdit", {8, 224, 409, 21});

    QGroupBox* page10 = c.pages[9] = make.Page(form, 10);
    make.Label(page10, "Label30", LabelAt(24, 160));
    make.Label(page10, "Label31", LabelAt(224, 160));
    c.FilterOldNameCheck = make.Check(page10, "FilterOldNameCheck", {8, 24, 409, 17});
    c.FilterOldNameEdit = make.Edit(page10, "FilterOldNameEdit", {24, 48, 393, 21});
    c.FilterNewNameCheck = make.Check(page10, "FilterNewNameCheck", {8, 80, 409, 17});
    c.FilterNewNameEdit = make.Edit(page10, "FilterNewNameEdit", {24, 104, 393, 21});
    c.FilterDateCheck = make.Check(page10, "FilterDateCheck", {8, 136, 409, 17});
    c.FilterFirstDateEdit = DatePicker(page10, "FilterFirstDateEdit", {24, 176, 161, 21}, make);
    c.FilterLastDateEdit = DatePicker(page10, "FilterLastDateEdit", {224, 176, 162, 21}, make);
}

void BuildPages1And2(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    QGroupBox* page1 = c.pages[0] = make.Page(form, 1);
    c.RadioButton1 = make.Radio(page1, "RadioButton1", {8, 80, 409, 17});
    c.RadioButton2 = make.Radio(page1, "RadioButton2", {8, 112, 409, 17});
    c.RadioButton3 = make.Radio(page1, "RadioButton3", {8, 144, 409, 17});
    c.RadioButton4 = make.Radio(page1, "RadioButton4", {8, 176, 409, 17});
    c.RadioButton1->setChecked(true);

    QGroupBox* page2 = c.pages[1] = make.Page(form, 2);
    c.Label1 = make.Label(page2, "Label1", {8, 24, 409, 25}, ComponentKind::FixedLabel);
    c.Label1->setText(FromBytes(ProgramTitle));
    c.Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = c.Label1->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(21);
    c.Label1->setFont(titleFont);
    LayoutBuilder::SetTextColour(c.Label1, FixedHue::Maroon);
    make.Label(page2, "InternetLabel", LabelAt(8, 256));
    make.Label(page2, "MailLabel", LabelAt(8, 288));

    c.InternetLinkLabel = Link(page2, "InternetLinkLabel", {334, 272}, ComponentKind::FixedLabel, make);
    c.MailLinkLabel = Link(page2, "MailLinkLabel", {351, 304}, ComponentKind::Label, make);

    QLabel* bottomLine = make.Label(page2, "Label4", LabelAt(8, 320), ComponentKind::FixedLabel);
    bottomLine->setText(QStringLiteral("Free software under the GNU GPL, version 3 or later (GPL-3.0-or-later)"));
    c.AboutMemo = make.Memo(page2, "AboutMemo", {8, 56, 409, 193});
    c.AboutMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.AboutMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.AboutMemo->setFocusPolicy(Qt::StrongFocus);
}

void BuildPage3(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    QGroupBox* page = c.pages[2] = make.Page(form, 3);
    c.DirName = make.Label(page, "DirName", {8, 48, 409, 15}, ComponentKind::FixedLabel);
    c.DirName->setText({});
    LayoutBuilder::SetTextColour(c.DirName, FixedHue::Navy);
    c.FilterList = make.ListView(page, "FilterList", {8, 64, 409, 224});
    c.TotalList = make.ListView(page, "TotalList", {56, 104, 217, 150});
    c.TotalList->setVisible(false);
    c.TotalList->setEnabled(false);
    c.ListForecastLabel = make.Label(page, "ListForecastLabel", {8, 292, 409, 17}, ComponentKind::FixedLabel);
    c.ListForecastLabel->setText({});
    LayoutBuilder::SetTextColour(c.ListForecastLabel, FixedHue::Navy);
    c.UndoCheck = make.Check(page, "UndoCheck", {8, 312, 409, 17});

    c.ToolBar1 = new QToolBar(page);
    c.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    c.ToolBar1->setGeometry(2, 15, 421, 29);
    c.ToolBar1->setIconSize({16, 16});
    c.ToolBar1->setMovable(false);
    make.Add({c.ToolBar1->objectName(), ComponentKind::Plain, {}});
    QToolBar* bar = c.ToolBar1;
    c.OpenBtn = ToolButton(bar, "OpenBtn", "tool_00_open.svg", make);
    c.SaveBtn = ToolButton(bar, "SaveBtn", "tool_01_save.svg", make);
    Separator(bar, "ToolButton3", make);
    c.DoubleBtn = ToolButton(bar, "DoubleBtn", "tool_04_copy_old.svg", make);
    c.EditBtn = ToolButton(bar, "EditBtn", "tool_03_edit.svg", make);
    c.GenerateBtn = ToolButton(bar, "GenerateBtn", "tool_02_generate.svg", make);
    Separator(bar, "ToolButton7", make);
    c.CheckAllBtn = ToolButton(bar, "CheckAllBtn", "tool_05_check_all.svg", make);
    // The list selects one row at a time, so "select all" is free to check them all.
    c.CheckAllBtn->setShortcut(QKeySequence::SelectAll);
    c.UnCheckBtn = ToolButton(bar, "UnCheckBtn", "tool_06_invert_checks.svg", make);
    Separator(bar, "ToolButton10", make);
    c.DelSelBtn = ToolButton(bar, "DelSelBtn", "tool_07_delete_selected.svg", make);
    c.DelCheckBtn = ToolButton(bar, "DelCheckBtn", "tool_08_delete_checked.svg", make);
    c.DelAllBtn = ToolButton(bar, "DelAllBtn", "tool_09_delete_all.svg", make);
    Separator(bar, "ToolButton14", make);
    c.SetFilterBtn = ToolButton(bar, "SetFilterBtn", "tool_13_filter_toggle.svg", make);
    c.SetFilterBtn->setCheckable(true);
    c.FilterBtn = ToolButton(bar, "FilterBtn", "tool_11_filter_page.svg", make);
    c.FilterUpdateBtn = ToolButton(bar, "FilterUpdateBtn", "tool_12_filter_update.svg", make);
    Separator(bar, "ToolButton1", make);
    c.RunBtn = ToolButton(bar, "RunBtn", "tool_10_open_file.svg", make);
}

} // namespace tollwick
