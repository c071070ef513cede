#pragma once
// The memory list's rows for a QTableView: five columns of texts made in core.

#include "core/files/MemoryListRows.h"

#include <QAbstractTableModel>

#include <vector>

namespace brivon::ui {

class MemoryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<files::MemoryListRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<files::MemoryListRow> rows_;
};

}  // namespace brivon::ui
