#include "frame/marks/SelectionStore.h"
#include "platform/db/EngineTuning.h"
#include "platform/runtime/FilterExpression.h"
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace ksiega::marks {

namespace {

struct Cancelled {};

bool isIdentifier(const QString& name) {
    static const QRegularExpression id(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return id.match(name).hasMatch();
}

// Rows with a text are another list's choice on a shared browser: kept when asked.
QString describedScope(bool keepDescribed) {
    return keepDescribed ? QStringLiteral(" AND opis_elementu=''") : QString();
}

void deleteStored(db::Database& db, int64_t browser, int64_t user, bool keepDescribed = false) {
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=?") + describedScope(keepDescribed),
               {user, browser});
}

// The list's rows (its view under its filter) as a SELECT of their ids, with its parameters:
// the company is bound beside the filter, which stays one condition of its own. Names are
// checked as identifiers, numbers come from the session: nothing a person typed.
struct ListRows {
    QStringList conditions;
    db::Params params;
};

ListRows listRows(const StoreRequest& request, const QString& where) {
    ListRows rows;
    if (request.year != 0) {
        rows.conditions << QStringLiteral("id_lata_obrot = ?");
        rows.params.emplace_back(request.year);
    } else if (request.company != 0) {
        rows.conditions << QStringLiteral("id_firmy = ?");
        rows.params.emplace_back(request.company);
    }
    if (!where.isEmpty()) rows.conditions << QLatin1Char('(') + where + QLatin1Char(')');
    return rows;
}

QString whereClause(const QStringList& conditions) {
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

// INSERT ... SELECT of the list's rows not stored yet (all of them after a delete), in id
// order, so that the store's key grows at its end instead of taking every id at a random place.
// Returns the rows inserted.
//
// The list's filter names its columns more than once (a prefix is both the synthetic
// account and a range of the account), so the planner expects a few thousand rows where
// "Zaznacz wszystko" often reads hundreds of thousands: the rows are read page by page
// rather than one table visit per index entry, which costs little when they are few.
int64_t insertListRows(db::Database& db, const StoreRequest& request, const QString& where, bool onlyNew = false) {
    ListRows rows = listRows(request, where);
    if (onlyNew) {
        rows.conditions << QStringLiteral("%1 NOT IN (SELECT id_elementu FROM ZAZNACZENIE WHERE id_uzytkownika=? AND id_browsera=? "
                                          "AND opis_elementu='')").arg(request.idColumn);
        rows.params.emplace_back(request.user);
        rows.params.emplace_back(request.browser);
    }
    // A million ids sort in memory rather than in temporary files.
    db.dialect().setLocalWorkMemory(db, QStringLiteral("256MB"));
    db::preferPageOrderReads(db, true);
    const int64_t inserted =
        db.execute(QStringLiteral("INSERT INTO ZAZNACZENIE (id_browsera,id_uzytkownika,id_elementu) SELECT %1, %2, %3 FROM %4")
                           .arg(request.browser).arg(request.user).arg(request.idColumn, request.view) +
                       whereClause(rows.conditions) + QStringLiteral(" ORDER BY %1").arg(request.idColumn),
                   rows.params);
    db::preferPageOrderReads(db, false);
    return inserted;
}

// The set difference: the stored marks no longer in the list go, the list's rows not
// stored yet come in; the list's filter is read before any mark changes.
void storeListRows(db::Database& db, const StoreRequest& request, const QString& where, const std::function<void(int)>& report) {
    const ListRows rows = listRows(request, where);
    db.dialect().setLocalWorkMemory(db, QStringLiteral("256MB"));
    db::Params params{request.user, request.browser};
    params.insert(params.end(), rows.params.begin(), rows.params.end());
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=?") + describedScope(request.keepDescribed) +
                   QStringLiteral(" AND NOT (opis_elementu='' AND id_elementu IN (SELECT %1 FROM %2%3))")
                       .arg(request.idColumn, request.view, whereClause(rows.conditions)),
               params);
    report(5);
    insertListRows(db, request, where, true);
}

} // namespace

StoreOutcome storeMarks(db::Database& db, const MarksList& marks, const StoreRequest& request,
                        const StoreProgress& progress) {
    StoreOutcome out;
    auto report = [&](int percent) {
        if (progress && !progress(percent)) throw Cancelled{};
    };
    QString where;
    if (marks.allMarked()) {
        if (!isIdentifier(request.view) || !isIdentifier(request.idColumn))
            return {false, false, QStringLiteral("Nieprawidłowa nazwa widoku lub kolumny: %1.%2").arg(request.view, request.idColumn), 0};
        FilterRules rules;
        rules.scope.user = request.user;
        const FilterTranslation t = translateFilter(request.filter, rules);
        if (!t.ok()) return {false, false, t.error, 0};
        where = t.where;
    }
    try {
        db::Transaction tx(db);
        report(0);
        if (!marks.allMarked()) {
            deleteStored(db, request.browser, request.user, request.keepDescribed);
            report(5);
            // In id order every row lands at the end of the user's and browser's range of
            // the store's key instead of at a random place in it.
            std::vector<int64_t> ids = marks.markedIds();
            std::sort(ids.begin(), ids.end());
            auto writer = db.bulkInsert(QStringLiteral("ZAZNACZENIE"),
                                        {QStringLiteral("id_browsera"), QStringLiteral("id_uzytkownika"), QStringLiteral("id_elementu")});
            const size_t step = std::max<size_t>(ids.size() / 20, 1000);
            db::Params row{request.browser, request.user, int64_t(0)};
            for (size_t i = 0; i < ids.size(); ++i) {
                row[2] = ids[i];
                writer->add(row);
                if ((i + 1) % step == 0) report(5 + int(90 * (i + 1) / ids.size()));
            }
            writer->finish();
            out.stored = int64_t(ids.size());
        } else {
            // A filter that reads the marks store (a list showing only the marked rows) must
            // see the marks as the list showed them, so the new ones are the difference with
            // what is stored; any other list's marks are replaced outright, which is cheaper
            // for a million ids.
            // After a plain replace every stored row of the list is one just inserted, so
            // what is stored is known without counting it again.
            std::optional<int64_t> inserted;
            if (where.contains(QStringLiteral("ZAZNACZENIE"), Qt::CaseInsensitive)) {
                storeListRows(db, request, where, report);
            } else {
                deleteStored(db, request.browser, request.user, request.keepDescribed);
                report(5);
                inserted = insertListRows(db, request, where);
            }
            report(80);
            const std::vector<int64_t> unmarked = marks.unmarkedIds();
            constexpr size_t chunk = 500;
            for (size_t i = 0; i < unmarked.size(); i += chunk) {
                const size_t n = std::min(chunk, unmarked.size() - i);
                db::Params params{request.user, request.browser};
                QString holes;
                for (size_t k = 0; k < n; ++k) {
                    holes += k ? QStringLiteral(",?") : QStringLiteral("?");
                    params.emplace_back(unmarked[i + k]);
                }
                const int64_t removed =
                    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=? AND id_elementu in (%1)%2")
                                   .arg(holes, describedScope(request.keepDescribed)),
                               params);
                if (inserted) *inserted -= removed;
            }
            out.stored = inserted ? *inserted : db.scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=? AND opis_elementu=''"),
                                      {request.user, request.browser})
                             .value_or(0);
        }
        report(99);
        tx.commit();
        if (progress) progress(100);
    } catch (const Cancelled&) {
        return {false, true, QString(), 0};
    } catch (const db::DbError& e) {
        return {false, false, e.message(), 0};
    } catch (const std::exception& e) {
        return {false, false, QString::fromUtf8(e.what()), 0};
    }
    return out;
}

StoreOutcome clearMarks(db::Database& db, int64_t browser, int64_t user) {
    try {
        deleteStored(db, browser, user);
        return {};
    } catch (const db::DbError& e) {
        return {false, false, e.message(), 0};
    }
}

QString markedOnlyCondition(int64_t user, int64_t browser, const QString& idColumn) {
    return QStringLiteral("SQL(%1 in (select id_elementu from ZAZNACZENIE where id_uzytkownika=%2 AND id_browsera=%3))")
        .arg(idColumn).arg(user).arg(browser);
}

} // namespace ksiega::marks
