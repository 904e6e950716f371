#include "ui/main/RecentContactsModel.h"

#include "ui/main/Form1Design.h"

#include <algorithm>

namespace vantor::ui {

RecentContactsModel::RecentContactsModel(const ContestState& state, QObject* parent)
    : QAbstractTableModel(parent), state_(state) {}

int RecentContactsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int RecentContactsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(recentColumns().size());
}

std::string RecentContactsModel::textOf(int record, int column) const {
    const Contact& c = state_.ContactLog[record];
    switch (column) {
    case 0:
        return std::to_string(record);
    case 1:
        return c.NumSent;
    case 2:
        return c.Num;
    case 3:
        return c.Pre;
    case 4:
        return c.Call;
    case 5:
        return c.Ck;
    case 6:
        return c.Sec;
    case 7:
        return c.Date;
    case 8:
        return c.Time;
    case 9:
        return c.Bnd;
    default:
        return {};
    }
}

QVariant RecentContactsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount() || index.column() < 0 ||
        index.column() >= columnCount())
        return {};
    if (role != Qt::DisplayRole)
        return {};
    const int record = records_[static_cast<std::size_t>(index.row())];
    return QString::fromLatin1(textOf(record, index.column()));
}

QVariant RecentContactsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return QString::fromLatin1(recentColumns()[static_cast<std::size_t>(section)].header);
}

void RecentContactsModel::refill(std::vector<int> records) {
    beginResetModel();
    records_ = std::move(records);
    sorted_ = false;
    endResetModel();
}

void RecentContactsModel::show(std::vector<int> records, bool grewByOne) {
    const std::size_t kept = records.empty() ? 0 : records.size() - 1;
    if (!grewByOne || sorted_ || records.empty() || kept > records_.size() ||
        !std::equal(records.begin() + 1, records.end(), records_.begin())) {
        refill(std::move(records));
        return;
    }
    beginInsertRows({}, 0, 0);
    records_.insert(records_.begin(), records.front());
    endInsertRows();
    if (records_.size() > records.size()) {
        beginRemoveRows({}, static_cast<int>(records.size()),
                        static_cast<int>(records_.size()) - 1);
        records_.resize(records.size());
        endRemoveRows();
    }
}

void RecentContactsModel::sortOnce(int column) {
    if (column < 0 || column >= columnCount())
        return;
    beginResetModel();
    std::stable_sort(records_.begin(), records_.end(), [this, column](int a, int b) {
        return textOf(a, column) < textOf(b, column);
    });
    sorted_ = true;
    endResetModel();
}

int RecentContactsModel::recordAt(int row) const {
    if (row < 0 || row >= rowCount())
        return 0;
    return records_[static_cast<std::size_t>(row)];
}

} // namespace vantor::ui
