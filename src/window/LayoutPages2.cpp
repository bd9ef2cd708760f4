// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1Layout.h"
#include "window/LayoutBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>
#include <tuple>

namespace tollwick {
namespace {

QRect LabelAt(int left, int top)
{
    return {left, top, 417 - left, 15};
}

QLabel* ValueLabel(QWidget* page, const char* name, QRect place, FixedHue hue, LayoutBuilder& make)
{
    QLabel* label = make.Label(page, name, place);
    LayoutBuilder::SetTextColour(label, hue);
    LayoutBuilder::SetBold(label);
    return label;
}

// A count of the result page, its right edge at 414.
QLabel* CountLabel(QWidget* page, const char* name, int top, FixedHue hue, LayoutBuilder& make)
{
    QLabel* label = ValueLabel(page, name, {350, top, 64, 15}, hue, make);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void LayoutDemoPage(QPlainTextEdit* demo)
{
    demo->setLineWrapMode(QPlainTextEdit::NoWrap);
    demo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    demo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LayoutBuilder::SetTextColour(demo, FixedHue::Navy);
}

} // namespace

void BuildPages4And5(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    QGroupBox* page4 = c.pages[3] = make.Page(form, 4);
    make.Label(page4, "Label2", LabelAt(8, 24));
    make.Label(page4, "Label3", LabelAt(8, 72));
    c.PreviewCtyLabel = ValueLabel(page4, "PreviewCtyLabel", LabelAt(8, 88), FixedHue::Navy, make);
    make.Label(page4, "Label6", LabelAt(8, 120));
    c.PreviewUndoLabel = ValueLabel(page4, "PreviewUndoLabel", {8, 136, 409, 57}, FixedHue::Navy, make);
    c.PreviewDirLabel = ValueLabel(page4, "PreviewDirLabel", {8, 40, 409, 32}, FixedHue::Navy, make);
    for (QLabel* wrapped : {c.PreviewUndoLabel, c.PreviewDirLabel}) {
        wrapped->setWordWrap(true);
        wrapped->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    // The forecast of the run, in the status order and colours of the result
    // page: three rows of two columns, read column by column.
    make.Label(page4, "ForecastLabel", LabelAt(8, 196));
    const std::pair<const char*, FixedHue> forecast[] = {
        {"PreviewDontExistLabel", FixedHue::Red}, {"PreviewCancelLabel", FixedHue::Teal},
        {"PreviewExistLabel", FixedHue::Red},     {"PreviewOKLabel", FixedHue::Teal},
        {"PreviewNOLabel", FixedHue::Red},        {"PreviewNotReachedLabel", FixedHue::Red}};
    for (std::size_t k = 0; k < c.PreviewStatusLabels.size(); ++k) {
        const int row = static_cast<int>(k % 3);
        const int column = static_cast<int>(k / 3);
        QLabel* label = make.Label(page4, forecast[k].first, {24 + 200 * column, 212 + 15 * row, 193, 15},
                                   ComponentKind::FixedLabel);
        LayoutBuilder::SetTextColour(label, forecast[k].second);
        LayoutBuilder::SetBold(label);
        c.PreviewStatusLabels[k] = label;
    }
    // Two lines: "no row is checked" is long in some languages.
    c.ForecastWarningLabel = make.Label(page4, "ForecastWarningLabel", {8, 260, 409, 30}, ComponentKind::FixedLabel);
    c.ForecastWarningLabel->setWordWrap(true);
    c.ForecastWarningLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LayoutBuilder::SetTextColour(c.ForecastWarningLabel, FixedHue::Red);
    c.OrderCheck = make.Check(page4, "OrderCheck", {8, 296, 409, 17});
    c.OrderCheck->hide();

    QGroupBox* page5 = c.pages[4] = make.Page(form, 5);
    const char* captions[] = {"Label5", "Label7", "Label8", "Label9", "Label10", "Label11", "Label32"};
    constexpr int FirstCount = 216;
    constexpr int CountStep = 16;
    for (int k = 0; k < 7; ++k) {
        make.Label(page5, captions[k], {8, FirstCount + CountStep * k, 340, 15});
    }
    const std::tuple<QLabel**, const char*, FixedHue> counts[] = {
        {&c.ResultTotalLabel, "ResultTotalLabel", FixedHue::Navy},
        {&c.ResultOKLabel, "ResultOKLabel", FixedHue::Teal},
        {&c.ResultCancelLabel, "ResultCancelLabel", FixedHue::Teal},
        {&c.ResultExistLabel, "ResultExistLabel", FixedHue::Red},
        {&c.ResultNOLabel, "ResultNOLabel", FixedHue::Red},
        {&c.ResultDontExistLabel, "ResultDontExistLabel", FixedHue::Red},
        {&c.ResultNotReachedLabel, "ResultNotReachedLabel", FixedHue::Red}};
    int top = FirstCount;
    for (const auto& [control, name, hue] : counts) {
        *control = CountLabel(page5, name, top, hue, make);
        top += CountStep;
    }

    // A table with one fixed row height: appending rows costs no layout of
    // the rows before, which a tree view redoes at each append.
    c.ResultView = make.ListView(page5, "ResultView", {8, 24, 409, 185});
    c.ResultView->horizontalHeader()->setSectionsClickable(false);
}

void BuildPages6And7(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    QGroupBox* page6 = c.pages[5] = make.Page(form, 6);
    make.Label(page6, "Label12", LabelAt(8, 24));
    make.Label(page6, "Label13", LabelAt(8, 208));
    c.KindOfLoadList = make.TabStrip(page6, "KindOfLoadList", {8, 40, 409, 24}, QStringLiteral("Kind"));
    c.KindDemo = make.Memo(page6, "KindDemo", {8, 64, 409, 137});
    c.Kind5Edit = make.Edit(page6, "Kind5Edit", {8, 224, 409, 21});
    LayoutDemoPage(c.KindDemo);
    LayoutDemoPage(c.KindSaveDemo);

    QGroupBox* page7 = c.pages[6] = make.Page(form, 7);
    c.DriveComboBox1 = new QComboBox(page7);
    c.DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    c.DriveComboBox1->setGeometry(8, 24, 409, 21);
    make.Add({c.DriveComboBox1->objectName(), ComponentKind::Plain, {}});

    c.folderModel = new QFileSystemModel(page7);
    // Folders only; without QDir::Hidden the hidden ones stay out.
    c.folderModel->setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    c.folderModel->setReadOnly(true);
    c.DirectoryListBox1 = new QTreeView(page7);
    c.DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    c.DirectoryListBox1->setGeometry(8, 50, 409, 279);
    c.DirectoryListBox1->setModel(c.folderModel);
    c.DirectoryListBox1->setHeaderHidden(true);
    c.DirectoryListBox1->setUniformRowHeights(true);
    c.DirectoryListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 1; column < c.folderModel->columnCount(); ++column) {
        c.DirectoryListBox1->setColumnHidden(column, true);
    }
    make.Add({c.DirectoryListBox1->objectName(), ComponentKind::Plain, {}});
}

} // namespace tollwick
