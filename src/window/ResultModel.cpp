// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ResultModel.h"

#include "window/TextBridge.h"

#include <algorithm>

namespace tollwick {
namespace {

constexpr std::size_t BlockSize = 1 << 20;

} // namespace

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
    const Entry& row = rows_[static_cast<std::size_t>(index.row())];
    const QString text = CellText(row, index.column());
    const std::string_view reason = PartOf(row, ReasonPart);
    // The whole cell, which a narrow column cuts, then why the row failed.
    if (role == Qt::ToolTipRole && !reason.empty()) {
        return text + u'\n' + FromBytes(reason);
    }
    return text;
}

QString ResultModel::CellText(const Entry& row, int column) const
{
    switch (column) {
    case OldNameColumn:
        return FromBytes(PartOf(row, OldNamePart));
    case NewNameColumn:
        return FromBytes(PartOf(row, NewNamePart));
    case StatusColumn:
        return FromBytes(statusTexts_.at(static_cast<std::size_t>(row.status)));
    case DateTextColumn:
        return FromBytes(PartOf(row, DateTextPart));
    default:
        return {};
    }
}

std::string_view ResultModel::PartOf(const Entry& entry, Part part) const
{
    std::size_t start = entry.offset;
    for (int k = 0; k < part; ++k) {
        start += entry.sizes.at(static_cast<std::size_t>(k));
    }
    return std::string_view(blocks_.at(entry.block)).substr(start, entry.sizes.at(static_cast<std::size_t>(part)));
}

std::string& ResultModel::BlockWithRoom(std::size_t size)
{
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < size) {
        std::string& block = blocks_.emplace_back();
        block.reserve(std::max(BlockSize, size));
    }
    return blocks_.back();
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
    // Gives the memory back: the last run may have been large.
    rows_ = std::deque<Entry>();
    blocks_ = std::deque<std::string>();
    shownCount_ = 0;
    endResetModel();
}

void ResultModel::Append(const ResultRow& row)
{
    const std::string dateText = RowDateText(row.Date);
    const std::array<const std::string*, 4> parts = {&row.OldName, &row.NewName, &dateText, &row.Reason};
    std::size_t size = 0;
    for (const std::string* part : parts) {
        size += part->size();
    }
    std::string& block = BlockWithRoom(size);
    Entry entry;
    entry.block = static_cast<std::uint32_t>(blocks_.size() - 1);
    entry.offset = static_cast<std::uint32_t>(block.size());
    entry.status = row.Status;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        block += *parts.at(k);
        entry.sizes.at(k) = static_cast<std::uint32_t>(parts.at(k)->size());
    }
    rows_.push_back(entry);
    // The run gives every row of one status the same text.
    std::string& statusText = statusTexts_.at(static_cast<std::size_t>(row.Status));
    if (statusText != row.StatusText) {
        statusText = row.StatusText;
    }
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
