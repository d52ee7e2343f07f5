#include "openingbalance/settlements/SettlementListController.h"
#include "openingbalance/settlements/SettlementTexts.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"

namespace ksiega::openingbalance {

namespace {
const Picture kAmount("@N-19_`2");
const Picture kDate("@D6-");
} // namespace

SettlementListController::SettlementListController(db::Database& db, const SessionContext& session,
                                                   const LineSettlementsContext& context, std::vector<SettlementRow>& rows,
                                                   FormRunner& forms)
    : m_db(db), m_session(session), m_context(context), m_rows(rows), m_forms(forms) {
    recount();
}

QString SettlementListController::caption() const { return QStringLiteral("Rozrachunki dla konta: ") + m_context.account; }

QStringList SettlementListController::cells(size_t row) const {
    const server::OpeningSettlement& s = m_rows.at(row).settlement;
    return {s.symbol,
            kDate.format(s.dataDok),
            kDate.format(s.terminPlatnosci),
            settlementKindText(s.rodzaj),
            sideText(s.strona),
            kAmount.format(s.kwota).trimmed(),
            kAmount.format(s.kwotaW).trimmed(),
            correctionSign(s.korekta),
            s.opis};
}

void SettlementListController::recount() {
    m_sumWn = Money();
    m_sumMa = Money();
    for (const SettlementRow& r : m_rows) {
        if (sideText(r.settlement.strona) == QLatin1String("Ct")) m_sumMa += r.settlement.signedKwota();
        else m_sumWn += r.settlement.signedKwota();
    }
}

bool SettlementListController::refusedAsWarehouse(int row) const {
    if (!m_rows.at(size_t(row)).fromWarehouse()) return false;
    MSG_INF(QStringLiteral("Nie można wykonać tej operacji. Wybrany rozrachunek związany jest z dokumentami programu TOVARIX"));
    return true;
}

int SettlementListController::add() {
    SettlementFormController form(m_db, m_session, m_context, std::nullopt);
    if (!m_forms.run(form)) return -1;
    m_rows.push_back(form.row());
    recount();
    return int(m_rows.size()) - 1;
}

int SettlementListController::correct(int row) {
    if (row < 0 || size_t(row) >= m_rows.size()) return -1;
    if (refusedAsWarehouse(row)) return row;
    SettlementFormController form(m_db, m_session, m_context, m_rows[size_t(row)]);
    if (m_forms.run(form)) {
        m_rows[size_t(row)] = form.row();
        recount();
    }
    return row;
}

int SettlementListController::remove(int row) {
    if (row < 0 || size_t(row) >= m_rows.size()) return -1;
    if (refusedAsWarehouse(row)) return row;
    const bool cleared = m_rows[size_t(row)].settlement.hasClearings;
    const QString question =
        cleared ? QStringLiteral("Wybrany rozrachunek jest rozliczony. Usunięcie rozrachunku usunie również jego rozliczenia.|"
                                 "Czy chcesz usunąć wybraną pozycję?")
                : QStringLiteral("Czy chcesz usunąć wybraną pozycję?");
    if (ui::dialogs().question(question, ui::BUTTONS_TAK_NIE, cleared ? 2 : 1, ui::TITLE_PYTANIE) != 1) return row;
    m_rows.erase(m_rows.begin() + row);
    recount();
    if (m_rows.empty()) return -1;
    return std::min(row, int(m_rows.size()) - 1);
}

} // namespace ksiega::openingbalance
