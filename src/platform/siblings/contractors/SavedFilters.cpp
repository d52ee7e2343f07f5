#include "platform/siblings/contractors/SavedFilters.h"

namespace ksiega::contractors {

QString SavedFilters::save(int idBrowsera, const QString& nazwa, const QString& wyrazenie) {
    const QString name = nazwa.trimmed();
    if (name.isEmpty()) return QStringLiteral("Podaj nazwę filtru.");
    if (name.size() > NAME_LIMIT) return QStringLiteral("Nazwa filtru może mieć najwyżej %1 znaków.").arg(NAME_LIMIT);
    if (wyrazenie.trimmed().isEmpty()) return QStringLiteral("Brak wyrażenia filtrującego do zapisania.");
    if (wyrazenie.size() > EXPRESSION_LIMIT)
        return QStringLiteral("Wyrażenie filtrujące jest za długie (najwyżej %1 znaków).").arg(EXPRESSION_LIMIT);
    db::Transaction tx(m_db);
    if (m_db.execute(QStringLiteral("update FILTR_LISTA set wyrazenie=? where id_firmy=? and id_browsera=? and id_uzytkownika=? and nazwa=?"),
                     {wyrazenie, m_idFirmy, idBrowsera, m_idUzytkownika, name}) == 0)
        m_db.execute(QStringLiteral("insert into FILTR_LISTA (id_firmy, id_browsera, id_uzytkownika, nazwa, wyrazenie) values (?, ?, ?, ?, ?)"),
                     {m_idFirmy, idBrowsera, m_idUzytkownika, name, wyrazenie});
    tx.commit();
    return {};
}

bool SavedFilters::remove(int idBrowsera, const QString& nazwa) {
    return m_db.execute(QStringLiteral("delete from FILTR_LISTA where id_firmy=? and id_browsera=? and id_uzytkownika=? and nazwa=?"),
                        {m_idFirmy, idBrowsera, m_idUzytkownika, nazwa.trimmed()}) > 0;
}

std::optional<QString> SavedFilters::expression(int idBrowsera, const QString& nazwa) const {
    return m_db.scalarText(QStringLiteral("select wyrazenie from FILTR_LISTA where id_firmy=? and id_browsera=? "
                                          "and id_uzytkownika in (?, 0) and nazwa=? order by id_uzytkownika desc, id_filtru limit 1"),
                           {m_idFirmy, idBrowsera, m_idUzytkownika, nazwa.trimmed()});
}

ui::ListQuery SavedFilters::listQuery(int idBrowsera) const {
    ui::ListQuery q;
    q.source = QStringLiteral("FILTR_LISTA");
    q.idColumn = QStringLiteral("id_filtru");
    q.columns = {
        {QStringLiteral("nazwa"), QStringLiteral("Nazwa filtru"), ui::ColumnKind::Text, 40},
        {QStringLiteral("wyrazenie"), QStringLiteral("Wyrażenie"), ui::ColumnKind::Text, 80},
    };
    q.sort = ui::SortOrder::ascending(QStringLiteral("Nazwa filtru"), {QStringLiteral("nazwa")});
    q.ranges = {{QStringLiteral("id_firmy"), m_idFirmy}, {QStringLiteral("id_browsera"), idBrowsera}};
    q.filter = {QStringLiteral("id_uzytkownika in (?, 0)"), {m_idUzytkownika}};
    return q;
}

} // namespace ksiega::contractors
