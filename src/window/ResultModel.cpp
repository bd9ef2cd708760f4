// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ResultModel.h"

#include "window/TextBridge.h"

namespace tollwick {

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

int ResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownCount_;
}

int ResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shownCount_ || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const ResultRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::ToolTipRole && !row.Reason.empty()) {
        return FromBytes(row.Reason);
    }
    switch (index.column()) {
    case OldNameColumn:
        return FromBytes(row.OldName);
    case NewNameColumn:
        return FromBytes(row.NewName);
    case StatusColumn:
        return FromBytes(row.StatusText);
    case DateTextColumn:
        return FromBytes(row.DateText);
    default:
        return {};
    }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings_.size()) {
        return {};
    }
    return headings_.at(section);
}

void ResultModel::SetHeadings(const QStringList& headings)
{
    headings_ = headings;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void ResultModel::Clear()
{
    beginResetModel();
    rows_.clear();
    shownCount_ = 0;
    endResetModel();
}

void ResultModel::Append(const ResultRow& row)
{
    rows_.push_back(row);
}

void ResultModel::Flush()
{
    const int total = static_cast<int>(rows_.size());
    if (total == shownCount_) {
        return;
    }
    beginInsertRows({}, shownCount_, total - 1);
    shownCount_ = total;
    endInsertRows();
}

} // namespace tollwick
