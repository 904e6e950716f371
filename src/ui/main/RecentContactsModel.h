#pragma once
// The recent-contacts list as a table model: one row per listed record, newest first,
// ten columns (record number, then the nine fields in file order). A row names its
// record by number, so sorting the rows never changes which record a row stands for.

#include "core/ContestState.h"

#include <QAbstractTableModel>

#include <vector>

namespace vantor::ui {

class RecentContactsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecentContactsModel(const ContestState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows these records, in this order.
    void refill(std::vector<int> records);
    // The same, where only the newest record may have been added on top (and the oldest
    // dropped at the bottom): then only those rows change, and the view repaints only
    // what moved. Anything else is a refill.
    void show(std::vector<int> records, bool grewByOne);
    // Sorts the present rows once, ascending by the text of a column.
    void sortOnce(int column);
    int recordAt(int row) const;

private:
    const ContestState& state_;
    std::vector<int> records_;
    bool sorted_ = false; // sortOnce changed the order since the last refill
    std::string textOf(int record, int column) const;
};

} // namespace vantor::ui
