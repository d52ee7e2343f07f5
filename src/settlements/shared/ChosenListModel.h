#pragma once
// The list LIST2 of the chosen settlements: "Lp", "Nazwa", "Nr dokumentu", "Data dok.",
// "Kwota Dt", "Saldo Dt", "Kwota Ct", "Saldo Ct", "Waluta", "Opis", read a page at a time.
#include "settlements/shared/ChosenSettlements.h"
#include <QAbstractTableModel>

namespace ksiega::settlements {

class ChosenListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChosenListModel(const ChosenSettlements& chosen, QObject* parent = nullptr);

    // Reads the list again from its first page when it changed since the last look.
    void refresh();
    int heldRows() const { return int(m_rows.size()); }
    const ChosenRow& rowAt(int row) const { return m_rows.at(size_t(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;

    static constexpr int kPageSize = 200;

private:
    const ChosenSettlements& m_chosen;
    std::vector<ChosenRow> m_rows;
    int m_generation = -1;
    bool m_atEnd = true;
};

} // namespace ksiega::settlements
