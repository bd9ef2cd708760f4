// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RowTableModel.h"

#include "session/RenameSession.h"
#include "window/RowMarks.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <utility>

namespace tollwick {
namespace {

QString ShownText(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

RowTableModel::RowTableModel(std::vector<Row>& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_([&rows]() -> const std::vector<Row>& { return rows; }),
      check_([&rows](std::size_t k, bool checked) { rows[k].Checked = checked; }),
      shownCount_(static_cast<int>(rows.size()))
{
}

RowTableModel::RowTableModel(const std::vector<Row>& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_([&rows]() -> const std::vector<Row>& { return rows; }),
      shownCount_(static_cast<int>(rows.size()))
{
}

RowTableModel::RowTableModel(RenameSession& session, SessionRows which, QObject* parent)
    : QAbstractTableModel(parent), session_(&session), shownRows_(which == SessionRows::Shown)
{
    const RenameList& list = session.List();
    if (shownRows_) {
        rows_ = [&list]() -> const std::vector<Row>& { return list.FilterList.Rows(); };
        check_ = [&session](std::size_t k, bool checked) { session.SetChecked(k, checked); };
    } else {
        rows_ = [&list]() -> const std::vector<Row>& { return list.TotalList; };
    }
    shownCount_ = static_cast<int>(Rows().size());
    session.AddObserver(*this);
}

RowTableModel::~RowTableModel()
{
    ForgetSession();
}

void RowTableModel::ForgetSession()
{
    if (session_ != nullptr) {
        session_->RemoveObserver(*this);
        session_ = nullptr;
    }
}

void RowTableModel::Hold(bool on)
{
    held_ = on;
    if (on) {
        return;
    }
    if (std::exchange(resetHeld_, false)) {
        RowsReset();
    } else if (heldEnd_ > heldFirst_) {
        RowsChanged(heldFirst_, heldEnd_ - heldFirst_);
    }
    heldFirst_ = heldEnd_ = 0;
}

void RowTableModel::RowsReset()
{
    if (held_) {
        resetHeld_ = true;
        return;
    }
    BeginChange();
    EndChange();
}

void RowTableModel::RowsChanged(std::size_t first, std::size_t count)
{
    if (held_) {
        if (count > 0) {
            heldFirst_ = heldEnd_ > heldFirst_ ? std::min(heldFirst_, first) : first;
            heldEnd_ = std::max(heldEnd_, first + count);
        }
        return;
    }
    // The master rows are not told which of them the shown ones are.
    if (!shownRows_) {
        first = 0;
        count = static_cast<std::size_t>(shownCount_);
    }
    const auto known = static_cast<std::size_t>(shownCount_);
    if (count == 0 || first >= known) {
        return;
    }
    const std::size_t last = std::min(known, first + count) - 1;
    emit dataChanged(index(static_cast<int>(first), 0), index(static_cast<int>(last), ColumnCount - 1));
}

int RowTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownCount_;
}

int RowTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const Row* RowTableModel::RowAt(const QModelIndex& index) const
{
    // A view may paint while a long change runs; rows it still knows may be gone.
    if (!index.isValid() || index.row() >= shownCount_ || static_cast<std::size_t>(index.row()) >= Rows().size()) {
        return nullptr;
    }
    return &Rows()[static_cast<std::size_t>(index.row())];
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const
{
    const Row* row = RowAt(index);
    if (row == nullptr) {
        return {};
    }
    if (role == Qt::CheckStateRole && index.column() == OldNameColumn) {
        return row->Checked ? Qt::Checked : Qt::Unchecked;
    }
    if (marks_ != nullptr && index.column() == NewNameColumn) {
        QVariant mark = marks_->Data(static_cast<std::size_t>(index.row()), role);
        if (role == Qt::ForegroundRole || role == Qt::DecorationRole) {
            return mark;
        }
        if (role == Qt::ToolTipRole && mark.isValid()) {
            return ShownText(row->NewName) + u'\n' + mark.toString();
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
    case OldNameColumn:
        return ShownText(row->OldName);
    case NewNameColumn:
        return ShownText(row->NewName);
    case IndexColumn:
        return ShownText(std::to_string(row->Index));
    case DateTextColumn:
        return ShownText(RowDateText(row->Date));
    default:
        return {};
    }
}

bool RowTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!check_ || role != Qt::CheckStateRole || index.column() != OldNameColumn || RowAt(index) == nullptr) {
        return false;
    }
    check_(static_cast<std::size_t>(index.row()), value.value<Qt::CheckState>() == Qt::Checked);
    // The session tells its own observers, this model among them.
    if (session_ == nullptr) {
        emit dataChanged(index, index, {Qt::CheckStateRole});
    }
    return true;
}

Qt::ItemFlags RowTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags itemFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == OldNameColumn && check_) {
        itemFlags |= Qt::ItemIsUserCheckable;
    }
    return itemFlags;
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size()) {
        return {};
    }
    return headings_.at(section);
}

void RowTableModel::SetHeadings(const QStringList& headings)
{
    headings_ = headings;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void RowTableModel::BeginChange()
{
    beginResetModel();
}

void RowTableModel::EndChange()
{
    shownCount_ = static_cast<int>(Rows().size());
    endResetModel();
}

void RowTableModel::SetMarks(const RowMarks* marks)
{
    marks_ = marks;
    MarksChanged();
}

void RowTableModel::MarksChanged()
{
    if (shownCount_ > 0) {
        emit dataChanged(index(0, NewNameColumn), index(shownCount_ - 1, NewNameColumn), MarkRoles());
    }
}

QList<int> RowTableModel::MarkRoles()
{
    return {Qt::ForegroundRole, Qt::DecorationRole, Qt::ToolTipRole};
}

void SizeRowColumns(QTableView& view)
{
    QHeaderView* header = view.horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(RowTableModel::NewNameColumn, QHeaderView::Stretch);
    header->resizeSection(RowTableModel::OldNameColumn, 150);
    const int dateWidth = view.fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00_00-00-00")) + 12;
    header->resizeSection(RowTableModel::DateTextColumn, std::max(100, dateWidth));
    view.setColumnHidden(RowTableModel::IndexColumn, true);
}

void HoldRows(RowTableModel& model, QTableView& view, bool on)
{
    model.Hold(on);
    view.viewport()->setUpdatesEnabled(!on);
    view.horizontalHeader()->viewport()->setUpdatesEnabled(!on);
}

} // namespace tollwick
