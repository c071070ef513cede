#include "ui/logger/SetListModel.h"

#include <algorithm>

namespace brivon::ui {
namespace {

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void SetListModel::setRows(std::vector<logger::SetRow> rows)
{
    const int before = rowCount();
    const int after = static_cast<int>(rows.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        rows_.resize(rows.size());
        endRemoveRows();
    }
    if (after > before) beginInsertRows({}, before, after - 1);
    rows_ = std::move(rows);
    if (after > before) endInsertRows();
    const int kept = std::min(before, after);
    if (kept > 0) emit dataChanged(index(0, 0), index(kept - 1, columnCount() - 1));
}

int SetListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SetListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(logger::kSetListColumns.size());
}

QVariant SetListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
    return qText(rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
}

QVariant SetListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() || role != Qt::DisplayRole)
        return {};
    return qText(logger::kSetListColumns[static_cast<std::size_t>(section)].title);
}

}  // namespace brivon::ui
