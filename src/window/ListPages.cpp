// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ListPages.h"

#include "window/Dialogs.h"
#include "window/Form1Controls.h"
#include "window/ListForecast.h"
#include "window/NameListPages.h"
#include "window/RowTableModel.h"
#include "window/TextBridge.h"
#include "window/WindowJob.h"

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

ListPages::ListPages(Form1Controls& controls, RenameSession& session, WindowJob& job, NameListPages& nameLists,
                     PageServices services, QObject* parent)
    : QObject(parent), c_(controls), session_(session), job_(job), services_(std::move(services))
{
    SetUpView();
    connect(c_.OpenBtn, &QAbstractButton::clicked, this,
            [this, &nameLists] { services_.guarded([&nameLists] { nameLists.ChooseListToImport(); }); });
    connect(c_.SaveBtn, &QAbstractButton::clicked, this,
            [this, &nameLists] { services_.guarded([&nameLists] { nameLists.ChooseListToExport(); }); });
    Bind(c_.DoubleBtn, &ListPages::CopyOldNames);
    Bind(c_.EditBtn, &ListPages::EditSelectedNewName);
    connect(c_.GenerateBtn, &QAbstractButton::clicked, this,
            [this] { services_.guarded([this] { services_.showPage(Page::Generators); }); });
    Bind(c_.CheckAllBtn, &ListPages::CheckAll);
    Bind(c_.UnCheckBtn, &ListPages::InvertChecks);
    Bind(c_.DelSelBtn, &ListPages::DeleteSelectedRow);
    Bind(c_.DelCheckBtn, &ListPages::RemoveCheckedRows);
    Bind(c_.DelAllBtn, &ListPages::RemoveAllRows);
    // The click has flipped the button; the pass reads its new state.
    Bind(c_.SetFilterBtn, &ListPages::RunFilterPass);
    connect(c_.FilterBtn, &QAbstractButton::clicked, this,
            [this] { services_.guarded([this] { services_.showPage(Page::Filter); }); });
    Bind(c_.FilterUpdateBtn, &ListPages::UpdateFilter);
    Bind(c_.RunBtn, &ListPages::OpenSelectedFile);
    c_.FilterList->installEventFilter(this);
    connect(c_.FilterList->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { services_.guarded([this, column] { SortByColumn(column); }); });
    connect(c_.FilterFirstDateEdit, &QDateEdit::dateChanged, this,
            [this] { services_.guarded([this] { FirstDateChanged(); }); });
    connect(c_.FilterLastDateEdit, &QDateEdit::dateChanged, this,
            [this] { services_.guarded([this] { LastDateChanged(); }); });
}

void ListPages::SetUpView()
{
    shownModel_ = new RowTableModel(session_, RowTableModel::SessionRows::Shown, this);
    c_.FilterList->setModel(shownModel_);
    listForecast_ =
        new ListForecast(session_, *shownModel_, *c_.ListForecastLabel, *c_.UndoCheck, job_, services_.text, this);
    // Every change of the shown rows but the marks' own.
    connect(shownModel_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles != RowTableModel::MarkRoles()) {
                    listForecast_->Later();
                }
            });
    connect(shownModel_, &QAbstractItemModel::modelReset, listForecast_, &ListForecast::Later);
    connect(c_.UndoCheck, &QCheckBox::toggled, listForecast_, &ListForecast::UndoToggled);
    SizeRowColumns(*c_.FilterList);
    QHeaderView* header = c_.FilterList->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
}

void ListPages::Bind(QAbstractButton* button, void (ListPages::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { services_.guarded([this, handler] { (this->*handler)(); }); });
}

void ListPages::Shown()
{
    listForecast_->Relist();
}

void ListPages::Leaving()
{
    listForecast_->Leave();
}

void ListPages::Stayed()
{
    listForecast_->Stay();
}

void ListPages::SetMarkColours(const QColor& failed, const QColor& kept)
{
    listForecast_->SetColours(failed, kept);
}

void ListPages::Hold(bool on)
{
    HoldRows(*shownModel_, *c_.FilterList, on);
}

void ListPages::ForgetRows()
{
    c_.FilterList->setModel(nullptr);
    shownModel_->ForgetSession();
}

bool ListPages::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != c_.FilterList || event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
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
    return QObject::eventFilter(watched, event);
}

int ListPages::SelectedRow() const
{
    const QModelIndexList rows = c_.FilterList->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.constFirst().row() >= static_cast<int>(session_.List().FilterList.size())) {
        return -1;
    }
    return rows.constFirst().row();
}

void ListPages::CopyOldNames()
{
    job_.Run([this](const std::stop_token&) { session_.CopyOldNames(); });
}

void ListPages::EditSelectedNewName()
{
    const int row = SelectedRow();
    if (row < 0) {
        services_.dialogs->ShowMessage(services_.window, Dialogs::MessageKind::Warning, services_.text("Msg8"));
        return;
    }
    const auto position = static_cast<std::size_t>(row);
    const QString initial = FromBytes(session_.List().FilterList[position].NewName);
    const QString typed = services_.dialogs->InputBox(services_.window, services_.text("NewNameCaption"),
                                                      services_.text("NewNamePromt"), initial);
    // An untouched text keeps its bytes, also those that are not valid UTF-8.
    session_.EditNewName(position, ToBytes(typed), typed != initial);
}

void ListPages::CheckAll()
{
    job_.Run([this](const std::stop_token&) { session_.CheckAll(); });
}

void ListPages::InvertChecks()
{
    job_.Run([this](const std::stop_token&) { session_.InvertChecks(); });
}

void ListPages::DeleteSelectedRow()
{
    const int row = SelectedRow();
    if (row < 0) {
        services_.dialogs->ShowMessage(services_.window, Dialogs::MessageKind::Warning, services_.text("Msg4"));
        return;
    }
    session_.DeleteRow(static_cast<std::size_t>(row));
}

void ListPages::RemoveCheckedRows()
{
    job_.Run([this](const std::stop_token&) { session_.RemoveCheckedRows(); });
}

void ListPages::RemoveAllRows()
{
    job_.Run([this](const std::stop_token&) { session_.RemoveAllRows(); });
}

void ListPages::UpdateFilter()
{
    StepWithFilterPass([this](const std::stop_token&) { session_.UpdateFilter(); });
}

void ListPages::OpenSelectedFile()
{
    const int row = SelectedRow();
    if (row < 0) {
        services_.dialogs->ShowMessage(services_.window, Dialogs::MessageKind::Warning, services_.text("Msg9"));
        return;
    }
    const std::string path = session_.DirName() + session_.List().FilterList[static_cast<std::size_t>(row)].OldName;
    services_.dialogs->OpenExternally(PathFromBytes(path));
}

void ListPages::SortByColumn(int column)
{
    // The selected row stays selected where the sort puts it.
    const std::vector<Row>& shown = session_.List().FilterList;
    const int selected = SelectedRow();
    const std::uint32_t selectedIndex = selected >= 0 ? shown[static_cast<std::size_t>(selected)].Index : 0;
    job_.Run([this, column](const std::stop_token&) { session_.FilterListColumnClick(column); });
    if (selected >= 0) {
        const auto found = std::find_if(shown.begin(), shown.end(),
                                        [selectedIndex](const Row& row) { return row.Index == selectedIndex; });
        const QModelIndex row = shownModel_->index(static_cast<int>(found - shown.begin()), 0);
        c_.FilterList->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
        c_.FilterList->scrollTo(row);
    }
    const SortState& sort = session_.Sort();
    c_.FilterList->horizontalHeader()->setSortIndicator(sort.SortColumn, sort.SortDirection > 0 ? Qt::AscendingOrder
                                                                                                : Qt::DescendingOrder);
}

void ListPages::FirstDateChanged()
{
    const CalendarDate last = LastDateAfterFirstChanged(ToCalendarDate(c_.FilterFirstDateEdit->date()),
                                                        ToCalendarDate(c_.FilterLastDateEdit->date()));
    c_.FilterLastDateEdit->setDate(ToQDate(last));
}

void ListPages::LastDateChanged()
{
    const CalendarDate first = FirstDateAfterLastChanged(ToCalendarDate(c_.FilterFirstDateEdit->date()),
                                                         ToCalendarDate(c_.FilterLastDateEdit->date()));
    c_.FilterFirstDateEdit->setDate(ToQDate(first));
}

void ListPages::StepWithFilterPass(const std::function<void(const std::stop_token&)>& step)
{
    session_.SetFilter(CurrentFilterSettings());
    job_.Run(step);
    ShowFilterSettings(session_.Filter());
    ShowDirName();
}

void ListPages::RunFilterPass()
{
    StepWithFilterPass([this](const std::stop_token&) { session_.ApplyFilter(); });
}

FilterSettings ListPages::CurrentFilterSettings() const
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

void ListPages::ShowFilterSettings(const FilterSettings& settings)
{
    c_.FilterOldNameCheck->setChecked(settings.oldNameTest);
    c_.FilterOldNameEdit->setText(FromBytes(settings.oldNameTerms));
    c_.FilterNewNameCheck->setChecked(settings.newNameTest);
    c_.FilterNewNameEdit->setText(FromBytes(settings.newNameTerms));
}

void ListPages::ShowDirName()
{
    c_.DirName->setText(PathFromBytes(session_.DirName()));
}

} // namespace tollwick
