#include "platform/siblings/budget/BudgetLineEditor.h"
#include "platform/db/BudgetLineCopies.h"

namespace ksiega::siblings {

std::optional<BudgetLineData> BudgetLineEditor::load(int64_t id) {
    db::Rows r = m_db.select(QStringLiteral("select bt_klasyfikacja, typ, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_x, rodzaj_d, rodzaj_wp, kwota "
                                            "from BT_DANE where id_bt_dane=? and id_firmy=?"),
                             {id, m_company});
    if (!r.next()) return std::nullopt;
    BudgetLineData d;
    d.id = id;
    d.symbol = r.text(0);
    d.side = r.text(1);
    for (int i = 0; i < SenseCount; ++i) d.senses[size_t(i)] = r.int64(2 + i) != 0;
    d.amount = r.int64(8);
    return d;
}

QString BudgetLineEditor::check(const BudgetLineData& line) {
    if (line.symbol.trimmed().isEmpty()) return QStringLiteral("Proszę wybrać klasyfikację budżetową.");
    if (line.side != QStringLiteral("W") && line.side != QStringLiteral("D")) return QStringLiteral("Proszę określić stronę zapisu.");
    return QString();
}

bool BudgetLineEditor::save(const BudgetLineData& line) {
    if (!check(line).isEmpty()) return false;
    const bool w = line.side == QStringLiteral("W");
    auto flag = [&](BudgetSenseFlag f) {
        const bool sideFlag = f == SenseX || (w ? (f <= SenseZ) : (f >= SenseD));
        return int(sideFlag && line.senses[size_t(f)]);
    };
    db::Transaction tx(m_db);
    if (m_db.execute(QStringLiteral("update BT_DANE set bt_klasyfikacja=?, typ=?, rodzaj_wy=?, rodzaj_k=?, rodzaj_z=?, rodzaj_x=?, "
                                    "rodzaj_d=?, rodzaj_wp=? where id_bt_dane=? and id_firmy=?"),
                     {line.symbol.trimmed(), line.side, flag(SenseWy), flag(SenseK), flag(SenseZ), flag(SenseX), flag(SenseD),
                      flag(SenseWp), line.id, m_company}) != 1)
        return false;
    // The side moves the line into the other side's orders: its copies are made current there.
    const int64_t ledgerLine = m_db.scalarInt(QStringLiteral("select id_poz_dok from BT_DANE where id_bt_dane=?"), {line.id}).value_or(0);
    db::refreshBudgetLineCopiesOfLine(m_db, ledgerLine);
    tx.commit();
    return true;
}

} // namespace ksiega::siblings
