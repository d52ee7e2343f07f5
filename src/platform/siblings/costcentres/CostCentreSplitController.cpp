#include "platform/siblings/costcentres/CostCentreSplitController.h"
#include "platform/runtime/EnteredAmount.h"
#include "platform/siblings/costcentres/CostCentreStore.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <algorithm>
#include <stdexcept>

namespace ksiega::costcentres {

CostCentreSplitController::CostCentreSplitController(db::Database& db, int64_t idFirmy, const QString& strona,
                                                     const QString& konto, Money amount, std::vector<CostCentrePart> parts)
    : m_strona(strona.trimmed().toUpper()), m_konto(konto.trimmed()), m_amount(amount), m_parts(std::move(parts)) {
    db::Rows r = db.select(QStringLiteral("select nr_wskaznika, id_wskaznika, symbol, nazwa from MPK_WSKAZNIK where id_firmy=? "
                                          "and nr_wskaznika between 1 and 5 order by nr_wskaznika, symbol, id_wskaznika"),
                           {idFirmy});
    while (r.next()) m_choices[r.integer(0) - 1].push_back({r.int64(1), r.text(2), r.text(3)});
}

QString CostCentreSplitController::caption() const {
    return QStringLiteral("Miejsca powstawania kosztów - %1 %2")
        .arg(m_strona == QLatin1String("MA") ? QStringLiteral("Ct") : QStringLiteral("Dt"), m_konto);
}

const std::vector<IndicatorChoice>& CostCentreSplitController::choices(int dimension) const {
    if (dimension < 0 || dimension >= kDimensions) throw std::out_of_range("cost-centre dimension");
    return m_choices[dimension];
}

int CostCentreSplitController::choiceIndex(int dimension, int64_t id) const {
    const auto& c = choices(dimension);
    for (size_t i = 0; i < c.size(); ++i)
        if (c[i].id == id) return int(i);
    return -1;
}

int CostCentreSplitController::addRow() {
    CostCentrePart part;
    part.kwota = remaining();
    m_parts.push_back(part);
    return rowCount() - 1;
}

void CostCentreSplitController::removeRow(int row) {
    if (row >= 0 && row < rowCount()) m_parts.erase(m_parts.begin() + row);
}

void CostCentreSplitController::setIndicator(int row, int dimension, int choice) {
    const auto& c = choices(dimension);
    m_parts.at(size_t(row)).wskazniki[size_t(dimension)] = (choice >= 0 && choice < int(c.size())) ? c[size_t(choice)].id : 0;
}

bool CostCentreSplitController::setAmountText(int row, const QString& text) {
    std::optional<Money> amount = text.trimmed().isEmpty() ? std::optional<Money>(Money()) : parseEnteredAmount(text);
    if (!amount) {
        ui::dialogs().warning(QStringLiteral("Niepoprawna kwota: %1").arg(text));
        return false;
    }
    m_parts.at(size_t(row)).kwota = *amount;
    return true;
}

Money CostCentreSplitController::sum() const {
    Money s;
    for (const CostCentrePart& p : m_parts) s += p.kwota;
    return s;
}

bool CostCentreSplitController::accept() {
    const bool anyAmount = std::any_of(m_parts.begin(), m_parts.end(), [](const CostCentrePart& p) { return !p.kwota.isZero(); });
    if (anyAmount && sum() != m_amount) {
        ui::dialogs().warning(splitMismatchText(sum(), m_amount));
        return false;
    }
    std::erase_if(m_parts, [](const CostCentrePart& p) { return p.kwota.isZero(); });
    return true;
}

} // namespace ksiega::costcentres
