#include "windows/text_table_model.h"

#include "controls/cp1252_text.h"

namespace dawnrule {

TextTableModel::TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextTableModel::SetTable(TextTable cells, std::vector<bool> right)
{
    beginResetModel();
    m_cells = std::move(cells);
    m_right = std::move(right);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_cells.empty() ? 0 : static_cast<int>(m_cells.size()) - 1;
}

int TextTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_cells.empty() ? 0 : static_cast<int>(m_cells.front().size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = static_cast<size_t>(index.row()) + 1;
    const auto column = static_cast<size_t>(index.column());
    if (role == Qt::DisplayRole)
        return FromCp1252(m_cells[row][column]);
    if (role == Qt::TextAlignmentRole && column < m_right.size() && m_right[column])
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || m_cells.empty() || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return FromCp1252(m_cells.front()[static_cast<size_t>(section)]);
}

} // namespace dawnrule
