#pragma once
// The paged entries list of "Księga główna": the "Okres" column shows the period label
// of the line (okresu_obrot) rather than its day number.
#include "platform/ui/list/PagedListModel.h"

namespace ksiega::ledger {

class EntriesListModel : public ui::PagedListModel {
    Q_OBJECT
public:
    EntriesListModel(db::Database& db, ui::ListQuery query, bool twoCalendarYears, QObject* parent = nullptr)
        : ui::PagedListModel(db, std::move(query), parent), m_twoYears(twoCalendarYears) {}

    // okresu_obrot of a held row.
    QString periodLabel(int row) const;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    bool m_twoYears;
};

} // namespace ksiega::ledger
