#include "host/gui/MainWindowController.h"
#include "platform/runtime/Date.h"

namespace ksiega::host {

MainWindowController::MainWindowController(db::Database& db, SessionContext& session, const ProcedureCatalogue& catalogue)
    : m_db(db), m_session(session), m_catalogue(catalogue) {}

QString MainWindowController::title() const {
    return QStringLiteral("Księga główna — %1, rok %2, %3")
        .arg(m_session.DANE_NAZWA_FIRMY, m_session.DANE_LATA_OBROT_NAZWA, m_session.DANE_ID_UZYT);
}

QStringList MainWindowController::statusFields() const {
    return {QStringLiteral("Firma: ") + m_session.DANE_NAZWA_FIRMY,
            QStringLiteral("Rok obrotowy: ") + m_session.DANE_LATA_OBROT_NAZWA,
            QStringLiteral("Użytkownik: ") + m_session.DANE_ID_UZYT,
            QStringLiteral("Data bieżąca: ") + date::toDisplay(m_session.DANE_DATA_BIEZACA),
            QStringLiteral("Waluta: ") + m_session.activeCurrency()};
}

std::vector<MenuGroupView> MainWindowController::menu() const {
    std::vector<MenuGroupView> out;
    for (const QString& group : menu::groups()) {
        MenuGroupView g{group, false, {}};
        for (const CatalogueEntry* e : m_catalogue.entries(group)) g.items.push_back({e->name, e->caption});
        bool edition = true;
        if (group == QString::fromUtf8(menu::BUDGET)) edition = m_session.DANE_CZY_WERSJA_BUDZET != 0;
        if (group == QString::fromUtf8(menu::COST_CENTRES)) edition = m_session.DANE_CZY_WERSJA_MPK != 0;
        g.enabled = edition && !g.items.empty();
        out.push_back(std::move(g));
    }
    return out;
}

YearOverview MainWindowController::overview() const {
    auto rows = m_db.select(QStringLiteral("select count(*), (select count(*) from POZ_DOK where id_firmy=? and id_lata_obrot=?) "
                                           "from NAG_DOK where id_firmy=? and id_lata_obrot=?"),
                            {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_FIRMY,
                             m_session.DANE_LATA_OBROTOWE});
    YearOverview o;
    if (rows.next()) {
        o.documents = rows.int64(0);
        o.lines = rows.int64(1);
    }
    return o;
}

std::optional<QString> MainWindowController::run(const QString& name) const {
    const CatalogueEntry* entry = m_catalogue.find(name);
    if (!entry || !entry->call) return QStringLiteral("Funkcja %1 nie jest dostępna.").arg(name);
    if (!m_session.hasCompanyAndYear()) return QStringLiteral("Nie wybrano firmy lub roku obrotowego.");
    try {
        entry->call();
    } catch (const std::exception& e) {
        return QStringLiteral("Funkcja %1 zakończyła się błędem:|%2").arg(name, QString::fromUtf8(e.what()));
    }
    return std::nullopt;
}

std::optional<QString> MainWindowController::changeSessionRefusal() const {
    std::lock_guard lock(m_session.watkiMutex);
    if (!m_session.DANE_WATKI.empty())
        return QStringLiteral("Przed zmianą firmy lub roku obrotowego zamknij otwarte okna księgi.");
    return std::nullopt;
}

} // namespace ksiega::host
