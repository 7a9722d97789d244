#pragma once

#include "trip/trip_plan_text.h"

#include <QAbstractTableModel>

#include <vector>

namespace dawnrule {

// A table of texts (Windows-1252, its first row the column headings) for a QTableView.
// The cells stay as the core made them and are turned into QStrings only when a view
// asks, so a plan of a hundred thousand rows shows at once.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(QObject* parent = nullptr);

    // Replaces the whole table; `right` marks the columns aligned to the right.
    void SetTable(TextTable cells, std::vector<bool> right);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    TextTable m_cells;
    std::vector<bool> m_right;
};

} // namespace dawnrule
