#pragma once
// The data-logger list's rows for a QTableView: five columns of texts made in
// core. Rows that stay keep their place, so a row chosen in the list stays
// chosen when a file set is appended.

#include "core/logger/SetRows.h"

#include <QAbstractTableModel>

#include <vector>

namespace brivon::ui {

class SetListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<logger::SetRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<logger::SetRow> rows_;
};

}  // namespace brivon::ui
