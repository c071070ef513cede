#include "ui/memory/MemoryListModel.h"

#include "core/memory/MemoryListColumns.h"

namespace brivon::ui {
namespace {

const std::string& cellText(const files::MemoryListRow& row, int column)
{
    switch (column) {
    case 0:
        return row.number;
    case 1:
        return row.data;
    case 2:
        return row.unit;
    case 3:
        return row.status;
    default:
        return row.time;
    }
}

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MemoryListModel::setRows(std::vector<files::MemoryListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int MemoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MemoryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(memory::kMemoryListColumns.size());
}

QVariant MemoryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole)
        return qText(cellText(rows_[static_cast<std::size_t>(index.row())], index.column()));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant MemoryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole)
        return qText(memory::kMemoryListColumns[static_cast<std::size_t>(section)].title);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

}  // namespace brivon::ui
