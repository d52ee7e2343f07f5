#pragma once
// The rules of the split window of one side of a line: rows of a part each (one indicator
// of each of the five dimensions, any of them empty, and an amount), their sum and what
// is left of the side's amount. "OK" takes the parts when they add up to the side's
// amount (rows without an amount are dropped, and no rows at all means no split);
// otherwise it warns and the window stays open.
#include "platform/siblings/costcentres/CostCentreSplits.h"
#include <QStringList>

namespace ksiega::costcentres {

inline constexpr int kDimensions = 5;

// One indicator a dimension offers (MPK_WSKAZNIK of the company with that nr_wskaznika).
struct IndicatorChoice {
    int64_t id = 0;
    QString symbol;
    QString nazwa;
};

class CostCentreSplitController {
public:
    // strona "WN" or "MA"; konto and amount are the side's; parts the split it starts from.
    CostCentreSplitController(db::Database& db, int64_t idFirmy, const QString& strona, const QString& konto, Money amount,
                              std::vector<CostCentrePart> parts);

    QString caption() const;
    const QString& strona() const { return m_strona; }
    Money sideAmount() const { return m_amount; }

    // The indicators of a dimension (0..4), by symbol.
    const std::vector<IndicatorChoice>& choices(int dimension) const;
    // The index of an indicator among its dimension's choices; -1 for none or unknown.
    int choiceIndex(int dimension, int64_t id) const;

    int rowCount() const { return int(m_parts.size()); }
    const CostCentrePart& part(int row) const { return m_parts.at(size_t(row)); }
    // A new empty row at the end whose amount is what is still left; returns its index.
    int addRow();
    void removeRow(int row);
    // choice: index among the dimension's choices, -1 for none.
    void setIndicator(int row, int dimension, int choice);
    // Reads the amount as typed; a text that is not an amount warns and changes nothing.
    bool setAmountText(int row, const QString& text);

    Money sum() const;
    Money remaining() const { return m_amount - sum(); }

    // "OK": true when the parts may be taken (then parts() holds them).
    bool accept();
    const std::vector<CostCentrePart>& parts() const { return m_parts; }

private:
    QString m_strona;
    QString m_konto;
    Money m_amount;
    std::vector<CostCentrePart> m_parts;
    std::vector<IndicatorChoice> m_choices[kDimensions];
};

} // namespace ksiega::costcentres
