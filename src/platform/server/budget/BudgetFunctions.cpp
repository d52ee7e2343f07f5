#include "platform/server/budget/BudgetFunctions.h"
#include "platform/server/Procedures.h"
#include "platform/server/ServerArgs.h"

namespace ksiega::server {

namespace {

QString nameValidOn(db::Database& db, int64_t idFirmy, const QString& symbol, int date, const QString& side) {
    return db.scalarText(QStringLiteral("select nazwa from KLASYFIKACJA_BUDZETOWA where id_firmy=? and symbol=? "
                                        "and (typ='' or typ=?) and data_od<=? and (data_do=0 or data_do>=?) "
                                        "order by data_od desc, id_klasyfikacji desc"),
                         {idFirmy, symbol, side, date, date})
        .value_or(QString());
}

// The first `parts` parts of a symbol, joined by the separator.
QString prefixOf(const QString& symbol, const QString& separator, int parts) {
    const QStringList all = symbol.split(separator);
    return all.mid(0, parts).join(separator);
}

// A LIKE pattern matching the texts that start with `prefix`, its % _ and \ taken literally.
QString startsWithPattern(const QString& prefix) {
    QString escaped;
    for (QChar c : prefix) {
        if (c == '\\' || c == '%' || c == '_') escaped += '\\';
        escaped += c;
    }
    return escaped + '%';
}

Money planSum(db::Database& db, int64_t idFirmy, int to, const QString& side, const QString& condition, const db::Params& symbolArgs) {
    db::Params params{idFirmy, side, to};
    params.insert(params.end(), symbolArgs.begin(), symbolArgs.end());
    // The plan of the fiscal year that holds `to`: an earlier year's plan is not in force.
    params.insert(params.begin() + 3, {idFirmy, to, to});
    const auto sum = db.scalarInt(QStringLiteral("select coalesce(sum(kwota),0) from BT_PLAN where id_firmy=? and typ=? "
                                                 "and data_planu<=? and id_lata_obrot in (select id_lata_obrot from LATA_OBROTOWE "
                                                 "where id_firmy=? and poczatek_roku<=? and koniec_roku>=?) and ") + condition,
                                  params);
    return Money::fromMinor(sum.value_or(0));
}

} // namespace

QString TG_Klasyfikacja_Info(db::Database& db, int64_t idFirmy, const QString& symbol, int date, const QString& separator,
                             const QString& side, int mode) {
    const QString sep = separator.isEmpty() ? QStringLiteral("-") : separator;
    QString s = symbol.trimmed();
    if (s.endsWith(sep)) s.chop(sep.size());
    if (s.isEmpty()) return {};
    if (mode >= 0 && mode <= 2) return nameValidOn(db, idFirmy, prefixOf(s, sep, mode + 1), date, side);
    if (mode != 3 && mode != 4) return {};
    QString name = nameValidOn(db, idFirmy, s, date, side);
    if (name.isEmpty() && mode == 4 && s.count(sep) >= 3) name = nameValidOn(db, idFirmy, prefixOf(s, sep, 3), date, side);
    return name;
}

Money TG_BT_Plan(db::Database& db, int64_t idFirmy, int /*from*/, int to, const QString& symbol, const QString& side, int mode) {
    if (mode != 2) return Money();
    return planSum(db, idFirmy, to, side, QStringLiteral("bt_klasyfikacja=?"), {symbol});
}

Money TG_BT_Plan_Sub(db::Database& db, int64_t idFirmy, int /*from*/, int to, const QString& symbol, const QString& side, int mode,
                     const QString& separator) {
    if (mode != 2) return Money();
    const QString sep = separator.isEmpty() ? QStringLiteral("-") : separator;
    QString s = symbol;
    if (s.endsWith(sep)) s.chop(sep.size());
    return planSum(db, idFirmy, to, side, QStringLiteral("(bt_klasyfikacja=? or bt_klasyfikacja like ? escape '\\')"),
                   {s, startsWithPattern(s + sep)});
}

QString fn_fk_PobierzParamGlo(db::Database& db, int64_t idFirmy, const QString& name) {
    return db.scalarText(QStringLiteral("select wartosc from PARAMETRY_GLOBALNE where id_firmy=? and nazwa_parametru=?"), {idFirmy, name})
        .value_or(QString());
}

QString tg_AdresFirmy(db::Database& db, int64_t idFirmy, int date, const QString& kind, int line) {
    db::Rows r = db.select(QStringLiteral("select ulica, nr_domu, kod_pocztowy, miejscowosc from ADRESY_FIRMY "
                                          "where id_firmy=? and typ_adresu=? and data_od<=? "
                                          "order by data_od desc, id_adresu desc"),
                           {idFirmy, kind, date});
    if (!r.next()) return {};
    if (line == 1) return (r.text(0) + ' ' + r.text(1)).trimmed();
    if (line == 2) return (r.text(2) + ' ' + r.text(3)).trimmed();
    return {};
}

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_Klasyfikacja_Info"), [](db::Database& db, const db::Params& a) {
    return ResultSet{{QStringLiteral("opis")},
                     {{TG_Klasyfikacja_Info(db, intArg(a, 0), textArg(a, 1), int(intArg(a, 2)), textArg(a, 3), textArg(a, 4),
                                            int(intArg(a, 5)))}}};
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_BT_Plan"), [](db::Database& db, const db::Params& a) {
    return ResultSet{{QStringLiteral("plan")},
                     {{TG_BT_Plan(db, intArg(a, 0), int(intArg(a, 1)), int(intArg(a, 2)), textArg(a, 3), textArg(a, 4), int(intArg(a, 5)))
                           .minor()}}};
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("TG_BT_Plan_Sub"), [](db::Database& db, const db::Params& a) {
    return ResultSet{{QStringLiteral("plan")},
                     {{TG_BT_Plan_Sub(db, intArg(a, 0), int(intArg(a, 1)), int(intArg(a, 2)), textArg(a, 3), textArg(a, 4),
                                      int(intArg(a, 5)))
                           .minor()}}};
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("fn_fk_PobierzParamGlo"), [](db::Database& db, const db::Params& a) {
    return ResultSet{{QStringLiteral("wartosc")}, {{fn_fk_PobierzParamGlo(db, intArg(a, 0), textArg(a, 1))}}};
});

KSIEGA_SERVER_PROCEDURE(QStringLiteral("tg_AdresFirmy"), [](db::Database& db, const db::Params& a) {
    return ResultSet{{QStringLiteral("adres")},
                     {{tg_AdresFirmy(db, intArg(a, 0), int(intArg(a, 1)), textArg(a, 2), int(intArg(a, 3)))}}};
});

} // namespace ksiega::server
