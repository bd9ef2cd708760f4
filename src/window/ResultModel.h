// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc reads the includes it can find and cannot parse the standard library's
// concepts that the run's header brings; it needs nothing of it.
#ifndef Q_MOC_RUN
#include "rename/Run.h"
#endif

#include <QAbstractTableModel>
#include <vector>

namespace tollwick {

/// The rows of the result page: old name, new name, status, date text.
/// Rows arrive one by one while the run goes and reach the views in
/// batches, whenever the window paints and at the end. They keep the run's
/// bytes; a text is made only for a row that is drawn.
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
    std::vector<ResultRow> rows_;
    int shownCount_ = 0;
    QStringList headings_;
};

} // namespace tollwick
