#include "frame/rights/AccessRights.h"

namespace ksiega::rights {

int AccessRights::right(const QString& functionCode) {
    m_lastError.clear();
    if (m_session.DANE_ADMINISTRATOR == 1) return 1;
    db::PassResult r = m_pt.EXECSQL(QStringLiteral("CALL USTAL_PRAWO_DOSTEPU_FUNKCJA (?,?,?)"),
                                    {m_session.DANE_ID_FIRMY, m_session.DANE_ID_UZYT, functionCode});
    if (r.next()) return int(r.number());
    if (r.failed()) {
        m_lastError = r.error();
        return 0;
    }
    return 1;
}

} // namespace ksiega::rights
