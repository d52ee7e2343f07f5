#include "frame/marks/SelectionStore.h"
#include "platform/runtime/FilterExpression.h"
#include <QRegularExpression>
#include <algorithm>

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

// Every row of the list (its view under its filter) becomes the user's marks of the
// browser, with the rows already stored left where they are: the marks no longer in the
// list go, the rows not stored yet come in. Storing "all marked" again, the common case,
// then writes next to nothing, and the list's filter is read as the list showed it, before
// any mark changed (a list showing only the marked rows keeps them).
void storeListRows(db::Database& db, const StoreRequest& request, const QString& where, const std::function<void(int)>& report) {
    // The list's rows: the company is bound beside the filter, which stays one condition of its own.
    QStringList conditions;
    db::Params listParams;
    if (request.company != 0) {
        conditions << QStringLiteral("id_firmy = ?");
        listParams.emplace_back(request.company);
    }
    if (!where.isEmpty()) conditions << QLatin1Char('(') + where + QLatin1Char(')');
    // Names checked as identifiers, numbers from the session: nothing a person typed.
    const QString list = QStringLiteral("SELECT %1 FROM %2").arg(request.idColumn, request.view) +
                         (conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")));
    // A million ids are hashed and sorted in memory rather than in temporary files.
    db.dialect().setLocalWorkMemory(db, QStringLiteral("256MB"));

    db::Params params{request.user, request.browser};
    params.insert(params.end(), listParams.begin(), listParams.end());
    db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=?") + describedScope(request.keepDescribed) +
                   QStringLiteral(" AND NOT (opis_elementu='' AND id_elementu IN (%1))").arg(list),
               params);
    report(5);

    QString insert = QStringLiteral("INSERT INTO ZAZNACZENIE (id_browsera,id_uzytkownika,id_elementu) SELECT %1, %2, %3 FROM %4")
                         .arg(request.browser).arg(request.user).arg(request.idColumn, request.view);
    conditions << QStringLiteral("%1 NOT IN (SELECT id_elementu FROM ZAZNACZENIE WHERE id_uzytkownika=? AND id_browsera=? "
                                 "AND opis_elementu='')").arg(request.idColumn);
    params = listParams;
    params.emplace_back(request.user);
    params.emplace_back(request.browser);
    // In id order the store's key grows at its end instead of taking every id at a random place.
    db.execute(insert + QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")) +
                   QStringLiteral(" ORDER BY %1").arg(request.idColumn),
               params);
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
            storeListRows(db, request, where, report);
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
                db.execute(QStringLiteral("delete from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=? AND id_elementu in (%1)%2")
                               .arg(holes, describedScope(request.keepDescribed)),
                           params);
            }
            out.stored = db.scalarInt(QStringLiteral("select count(*) from ZAZNACZENIE where id_uzytkownika=? AND id_browsera=? AND opis_elementu=''"),
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
