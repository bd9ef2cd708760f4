// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/NameListPages.h"
#include "window/RowTableModel.h"
#include "window/TextBridge.h"
#include "window/main.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

namespace tollwick {
namespace {

CalendarDate ToCalendarDate(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}

QDate ToQDate(const CalendarDate& date)
{
    return {date.year, date.month, date.day};
}

} // namespace

void TForm1::ConnectListPage()
{
    connect(c_.OpenBtn, &QAbstractButton::clicked, this,
            [this] { Guarded([this] { nameListPages_->ChooseListToImport(); }); });
    connect(c_.SaveBtn, &QAbstractButton::clicked, this,
            [this] { Guarded([this] { nameListPages_->ChooseListToExport(); }); });
    Bind(c_.DoubleBtn, &TForm1::CopyOldNames);
    Bind(c_.EditBtn, &TForm1::EditSelectedNewName);
    Bind(c_.GenerateBtn, &TForm1::OpenGenerators);
    Bind(c_.CheckAllBtn, &TForm1::CheckAll);
    Bind(c_.UnCheckBtn, &TForm1::InvertChecks);
    Bind(c_.DelSelBtn, &TForm1::DeleteSelectedRow);
    Bind(c_.DelCheckBtn, &TForm1::RemoveCheckedRows);
    Bind(c_.DelAllBtn, &TForm1::RemoveAllRows);
    Bind(c_.SetFilterBtn, &TForm1::ToggleFilter);
    Bind(c_.FilterBtn, &TForm1::OpenFilterPage);
    Bind(c_.FilterUpdateBtn, &TForm1::UpdateFilter);
    Bind(c_.RunBtn, &TForm1::OpenSelectedFile);
    c_.FilterList->installEventFilter(this);
    connect(c_.FilterList->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { Guarded([this, column] { SortByColumn(column); }); });
    connect(c_.FilterFirstDateEdit, &QDateEdit::dateChanged, this, [this] { Guarded([this] { FirstDateChanged(); }); });
    connect(c_.FilterLastDateEdit, &QDateEdit::dateChanged, this, [this] { Guarded([this] { LastDateChanged(); }); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != c_.FilterList || event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // F2 and Delete are the tool bar's edit and remove for the selected row.
    if (key->key() == Qt::Key_F2 || key->key() == Qt::Key_Delete) {
        (key->key() == Qt::Key_F2 ? c_.EditBtn : c_.DelSelBtn)->click();
        return true;
    }
    // Space checks or unchecks the selected row, wherever in the row the focus is.
    if (key->key() == Qt::Key_Space) {
        const int row = SelectedRow();
        if (row >= 0) {
            const QModelIndex check = shownModel_->index(row, RowTableModel::OldNameColumn);
            const bool checked = check.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
            shownModel_->setData(check, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int TForm1::SelectedRow() const
{
    const QModelIndexList rows = c_.FilterList->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.constFirst().row() >= static_cast<int>(session_->List().FilterList.size())) {
        return -1;
    }
    return rows.constFirst().row();
}

void TForm1::CopyOldNames()
{
    InJob([this](const std::stop_token&) { session_->CopyOldNames(); });
}

void TForm1::EditSelectedNewName()
{
    const int row = SelectedRow();
    if (row < 0) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Warning, Text("Msg8"));
        return;
    }
    const auto position = static_cast<std::size_t>(row);
    const QString initial = FromBytes(session_->List().FilterList[position].NewName);
    const QString typed = dialogs_.InputBox(this, Text("NewNameCaption"), Text("NewNamePromt"), initial);
    // An untouched text keeps its bytes, also those that are not valid UTF-8.
    session_->EditNewName(position, ToBytes(typed), typed != initial);
}

void TForm1::OpenGenerators()
{
    ShowPage(Page::Generators);
}

void TForm1::CheckAll()
{
    InJob([this](const std::stop_token&) { session_->CheckAll(); });
}

void TForm1::InvertChecks()
{
    InJob([this](const std::stop_token&) { session_->InvertChecks(); });
}

void TForm1::DeleteSelectedRow()
{
    const int row = SelectedRow();
    if (row < 0) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Warning, Text("Msg4"));
        return;
    }
    session_->DeleteRow(static_cast<std::size_t>(row));
}

void TForm1::RemoveCheckedRows()
{
    InJob([this](const std::stop_token&) { session_->RemoveCheckedRows(); });
}

void TForm1::RemoveAllRows()
{
    InJob([this](const std::stop_token&) { session_->RemoveAllRows(); });
}

void TForm1::ToggleFilter()
{
    // The click has flipped the button; the pass reads its new state.
    RunFilterPass();
}

void TForm1::OpenFilterPage()
{
    ShowPage(Page::Filter);
}

void TForm1::UpdateFilter()
{
    StepWithFilterPass([this](const std::stop_token&) { session_->UpdateFilter(); });
}

void TForm1::OpenSelectedFile()
{
    const int row = SelectedRow();
    if (row < 0) {
        dialogs_.ShowMessage(this, Dialogs::MessageKind::Warning, Text("Msg9"));
        return;
    }
    const std::string path = session_->DirName() + session_->List().FilterList[static_cast<std::size_t>(row)].OldName;
    dialogs_.OpenExternally(PathFromBytes(path));
}

void TForm1::SortByColumn(int column)
{
    // The selected row stays selected where the sort puts it.
    const std::vector<Row>& shown = session_->List().FilterList;
    const int selected = SelectedRow();
    const std::uint32_t selectedIndex = selected >= 0 ? shown[static_cast<std::size_t>(selected)].Index : 0;
    InJob([this, column](const std::stop_token&) { session_->FilterListColumnClick(column); });
    if (selected >= 0) {
        const auto found = std::find_if(shown.begin(), shown.end(),
                                        [selectedIndex](const Row& row) { return row.Index == selectedIndex; });
        const QModelIndex row = shownModel_->index(static_cast<int>(found - shown.begin()), 0);
        c_.FilterList->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
        c_.FilterList->scrollTo(row);
    }
    const SortState& sort = session_->Sort();
    c_.FilterList->horizontalHeader()->setSortIndicator(sort.SortColumn, sort.SortDirection > 0 ? Qt::AscendingOrder
                                                                                                : Qt::DescendingOrder);
}

void TForm1::FirstDateChanged()
{
    const CalendarDate last = LastDateAfterFirstChanged(ToCalendarDate(c_.FilterFirstDateEdit->date()),
                                                        ToCalendarDate(c_.FilterLastDateEdit->date()));
    c_.FilterLastDateEdit->setDate(ToQDate(last));
}

void TForm1::LastDateChanged()
{
    const CalendarDate first = FirstDateAfterLastChanged(ToCalendarDate(c_.FilterFirstDateEdit->date()),
                                                         ToCalendarDate(c_.FilterLastDateEdit->date()));
    c_.FilterFirstDateEdit->setDate(ToQDate(first));
}

void TForm1::StepWithFilterPass(const std::function<void(const std::stop_token&)>& step)
{
    session_->SetFilter(CurrentFilterSettings());
    InJob(step);
    ShowFilterSettings(session_->Filter());
    ShowDirName();
}

void TForm1::RunFilterPass()
{
    StepWithFilterPass([this](const std::stop_token&) { session_->ApplyFilter(); });
}

FilterSettings TForm1::CurrentFilterSettings() const
{
    FilterSettings settings;
    settings.on = c_.SetFilterBtn->isChecked();
    settings.oldNameTest = c_.FilterOldNameCheck->isChecked();
    settings.oldNameTerms = ToBytes(c_.FilterOldNameEdit->text());
    settings.newNameTest = c_.FilterNewNameCheck->isChecked();
    settings.newNameTerms = ToBytes(c_.FilterNewNameEdit->text());
    settings.dateTest = c_.FilterDateCheck->isChecked();
    settings.firstDate = ToCalendarDate(c_.FilterFirstDateEdit->date());
    settings.lastDate = ToCalendarDate(c_.FilterLastDateEdit->date());
    return settings;
}

void TForm1::ShowFilterSettings(const FilterSettings& settings)
{
    c_.FilterOldNameCheck->setChecked(settings.oldNameTest);
    c_.FilterOldNameEdit->setText(FromBytes(settings.oldNameTerms));
    c_.FilterNewNameCheck->setChecked(settings.newNameTest);
    c_.FilterNewNameEdit->setText(FromBytes(settings.newNameTerms));
}

void TForm1::ShowDirName()
{
    c_.DirName->setText(PathFromBytes(session_->DirName()));
}

} // namespace tollwick
