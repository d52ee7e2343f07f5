#pragma once
// A test table for list tests: TEST_LISTA with n rows over two companies. Names repeat
// every 5000 rows (ties broken by id), amounts and dates vary by row.
#include "platform/db/Database.h"
#include "platform/ui/list/ListQuery.h"
#include <QString>

namespace ksiega::test {

struct ListRow {
    int64_t id;
    int64_t firm;
    QString name;
    int64_t amount;   // grosze
    int date;         // day number
};

inline ListRow listRow(int64_t i) {
    return {i, i % 2 == 0 ? 1 : 2, QStringLiteral("N%1").arg(i % 5000, 5, 10, QLatin1Char('0')),
            (i * 7919) % 1000003 - 5000, 40000 + int(i % 365)};
}

inline void createListTable(db::Database& db, int64_t rows) {
    db.executeScript(QStringLiteral(
        "CREATE TABLE TEST_LISTA (id BIGINT PRIMARY KEY, id_firmy BIGINT NOT NULL, nazwa VARCHAR(20) NOT NULL,"
        " kwota BIGINT NOT NULL, data INTEGER NOT NULL);"
        "CREATE INDEX TEST_LISTA_NAZWA ON TEST_LISTA (id_firmy, nazwa, id);"
        "CREATE INDEX TEST_LISTA_DATA ON TEST_LISTA (id_firmy, data, id);"));
    db::Transaction tx(db);
    auto w = db.bulkInsert(QStringLiteral("TEST_LISTA"), {"id", "id_firmy", "nazwa", "kwota", "data"});
    for (int64_t i = 1; i <= rows; ++i) {
        const ListRow r = listRow(i);
        w->add({qint64(r.id), qint64(r.firm), r.name, qint64(r.amount), r.date});
    }
    w->finish();
    tx.commit();
    db.analyze();
}

inline ui::ListQuery listQuery() {
    ui::ListQuery q;
    q.source = QStringLiteral("TEST_LISTA");
    q.columns = {{"nazwa", "Nazwa", ui::ColumnKind::Text, 20},
                 {"kwota", "Kwota", ui::ColumnKind::Money, 14},
                 {"data", "Data", ui::ColumnKind::Date, 10},
                 {"id", "Numer", ui::ColumnKind::Integer, 8}};
    q.sort = ui::SortOrder::ascending(QStringLiteral("Nazwa"), {"nazwa"});
    q.ranges = {{"id_firmy", 1}};
    return q;
}

} // namespace ksiega::test
