// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc reads the includes it can find and cannot parse the standard library's
// concepts that the run's header brings; it needs nothing of it.
#ifndef Q_MOC_RUN
#include "session/Vocabulary.h"
#endif

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tollwick {

/// The rows of the result page: old name, new name, status, date text.
/// Rows arrive one by one while the run goes and reach the views in
/// batches, whenever the window paints and at the end. They keep the run's
/// bytes, packed one row after the other, and the status texts once each;
/// a text is made only for a row that is drawn.
class ResultModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultModel)

public:
    enum Column { OldNameColumn, NewNameColumn, StatusColumn, DateTextColumn, ColumnCount };

    explicit ResultModel(QObject* parent);
    ~ResultModel() override = default;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetHeadings(const QStringList& headings);
    void Clear();
    void Append(const ResultRow& row);
    /// Shows the rows appended since the last flush.
    void Flush();

private:
    /// Where one row's texts lie: old name, new name, date text, reason,
    /// one after the other in one block.
    struct Entry {
        std::uint32_t block = 0;
        std::uint32_t offset = 0;
        std::array<std::uint32_t, 4> sizes{};
        RunStatus status = RunStatus::StatusCanNot;
    };
    enum Part { OldNamePart, NewNamePart, DateTextPart, ReasonPart };

    [[nodiscard]] std::string_view PartOf(const Entry& entry, Part part) const;
    [[nodiscard]] QString CellText(const Entry& row, int column) const;
    [[nodiscard]] std::string& BlockWithRoom(std::size_t size);

    // Fixed blocks and a deque grow without moving what they hold: a
    // million rows never stand in memory twice while they arrive.
    std::deque<std::string> blocks_;
    std::deque<Entry> rows_;
    std::array<std::string, RunStatusCount> statusTexts_;
    int shownCount_ = 0;
    QStringList headings_;
};

} // namespace tollwick
