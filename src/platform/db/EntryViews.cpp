// Each view holds one row per non-empty side of a line: strona 0 = Dt, 1 = Ct, and
// id_dokument_pozycja = 2 * id_poz_dok + strona (EntryRowId) identifies the row in the
// selection store. The twins have exactly the base view's rows and columns, in the same
// order, followed by:
//   _BT:     the budget fields of the line, taken from its first budget line in BT_DANE
//            (lp 1); a line without budget lines has '' and 0 there (BT_VIEW shows them all);
//   _EXT:    what the ledger-by-periods list shows beside the entry: the name of the row's
//            account in the chart of the line's year, and the document type symbol;
//   _BT_EXT: both.
// Each view is a UNION ALL of its own two arms (not a join over the base view), so that
// the planner pushes a list's filter and sort order into each arm and uses the indexes.
//
// Two forms give the same rows. In both, the header's fields that the line does not repeat
// come through scalar subqueries (one rowid probe of NAG_DOK each), so that a query reading
// only what the line holds (the sums, the ids of "Zaznacz wszystko") is answered from a
// covering index of the line: a join to the header would name the line's id_nag_dok, which
// no list index carries, and send every row to the table even where the join itself is left
// out (about forty times slower for the sums of a synthetic account on SQLite).
// - joined (SQLite): each arm joins the budget line and the account (LEFT JOIN). The arms'
//   columns have the same type affinity (hence the CASTs of the constant amounts, without
//   which SQLite computes the whole union and sorts it), so that SQLite keeps the union open
//   to a list's ORDER BY ... LIMIT and merges the arms read in index order; nr_ewid_dok and
//   the header's other sort columns come from the line's copy.
// - lines alone (PostgreSQL): each arm reads POZ_DOK alone and takes the budget line's and
//   the account's fields through scalar subqueries too, and the empty side is left out by a
//   condition around the union. PostgreSQL then flattens the union into an append of two
//   POZ_DOK scans, pushes a list's filter into each, reads each in index order
//   (POZ_DOK_KONTO_WN / _MA) and merges them under ORDER BY ... LIMIT, looking up only the
//   header fields of the rows it returns; sums read the covering indexes alone. A join inside
//   an arm would keep the arm a subquery that is read whole and sorted for every page.
#include "platform/db/EntryViews.h"
#include "platform/db/EntryRowId.h"
#include <array>

namespace ksiega::db {
namespace {

enum class From {
    Line,      // an expression over the line p, one per side
    RowId,     // id_dokument_pozycja
    Header,    // a field of the header n
    Lookup,    // a field of a table the header points to
    Budget,    // a field of the line's first budget line b
    Account,   // a field of the side's account w in the line's year
};

// A table the header points to by one key column: `alias.field` where alias.key = n.key.
struct Lookup {
    const char* table;
    const char* alias;
    const char* key;
};

struct Column {
    const char* name;
    From from;
    const char* dt;                 // the Dt side's expression (Line) or the field (others)
    const char* ct = nullptr;       // the Ct side's expression (Line only)
    const char* fallback = nullptr; // when the row looked up is missing
    const Lookup* lookup = nullptr;
};

constexpr Lookup kPackage{"PACZKA", "k", "id_paczka"};
constexpr Lookup kDocumentType{"TYP_DOK", "t", "id_typ_dok"};

const std::array kSideAccount{"p.konto_wn", "p.konto_ma"};

const Column kEntryColumns[] = {
    {"id_firmy", From::Line, "p.id_firmy", "p.id_firmy"},
    {"id_lata_obrot", From::Line, "p.id_lata_obrot", "p.id_lata_obrot"},
    {"id_poz_dok", From::Line, "p.id_poz_dok", "p.id_poz_dok"},
    {"id_dokument_pozycja", From::RowId, nullptr},
    {"id_nag_dok", From::Line, "p.id_nag_dok", "p.id_nag_dok"},
    {"lp", From::Line, "p.lp", "p.lp"},
    {"konto", From::Line, kSideAccount[0], kSideAccount[1]},
    {"strona", From::Line, "0", "1"},
    {"kwota_wn", From::Line, "p.kwota_wn", "CAST(0 AS BIGINT)"},
    {"kwota_ma", From::Line, "CAST(0 AS BIGINT)", "p.kwota_ma"},
    {"kwota_wn_w", From::Line, "p.kwota_wn_w", "CAST(0 AS BIGINT)"},
    {"kwota_ma_w", From::Line, "CAST(0 AS BIGINT)", "p.kwota_ma_w"},
    {"waluta", From::Line, "p.waluta", "p.waluta"},
    {"kurs_waluty", From::Line, "p.kurs_waluty", "p.kurs_waluty"},
    {"opis", From::Line, "p.opis", "p.opis"},
    {"data_okresu", From::Line, "p.data_okresu", "p.data_okresu"},
    {"status", From::Line, "p.status", "p.status"},
    {"czy_rk", From::Line, "p.czy_rk", "p.czy_rk"},
    {"nr_ewid_dok", From::Line, "p.nr_ewid_dok", "p.nr_ewid_dok"},
    {"nr_dok_org", From::Line, "p.nr_dok_org", "p.nr_dok_org"},
    {"nr_sys_dok", From::Line, "p.nr_sys_dok", "p.nr_sys_dok"},
    {"nr_dziennik", From::Header, "nr_dziennik"},
    {"data_biezaca", From::Line, "p.data_biezaca", "p.data_biezaca"},
    {"data_dok_org", From::Line, "p.data_dok_org", "p.data_dok_org"},
    {"data_wplywu", From::Header, "data_wplywu"},
    {"data_oper_gosp", From::Line, "p.data_oper_gosp", "p.data_oper_gosp"},
    {"data_zatwierdzenia", From::Line, "p.data_zatwierdzenia", "p.data_zatwierdzenia"},
    {"id_uzyt_p", From::Header, "id_uzyt_p"},
    {"id_paczka", From::Header, "id_paczka"},
    {"id_typ_dok", From::Header, "id_typ_dok"},
    {"id_kontrahenta", From::Header, "id_kontrahenta"},
    {"rodzaj_kartoteki", From::Header, "rodzaj_kartoteki"},
    {"sygnatura", From::Lookup, "kod_paczki", nullptr, nullptr, &kPackage},
    {"nr_poz_dok", From::Line, "p.lp", "p.lp"},
    {"syntetyka", From::Line, "p.syntetyka_wn", "p.syntetyka_ma"},
};

const Column kBudgetColumns[] = {
    {"id_bt_dane", From::Budget, "id_bt_dane", nullptr, "0"},
    {"bt_klasyfikacja", From::Budget, "bt_klasyfikacja", nullptr, "''"},
    {"typ", From::Budget, "typ", nullptr, "''"},
    {"rodzaj_wy", From::Budget, "rodzaj_wy", nullptr, "0"},
    {"rodzaj_k", From::Budget, "rodzaj_k", nullptr, "0"},
    {"rodzaj_z", From::Budget, "rodzaj_z", nullptr, "0"},
    {"rodzaj_x", From::Budget, "rodzaj_x", nullptr, "0"},
    {"rodzaj_d", From::Budget, "rodzaj_d", nullptr, "0"},
    {"rodzaj_wp", From::Budget, "rodzaj_wp", nullptr, "0"},
};

const Column kExtColumns[] = {
    {"nazwa_konta", From::Account, "nazwa_konta", nullptr, "''"},
    {"sym_typ_dok_uz", From::Lookup, "sym_typ_dok_uz", nullptr, "''", &kDocumentType},
};

struct View {
    const char* name;
    bool budget;
    bool ext;
};

const View kViews[] = {
    {"POZ_DOK_VIEW_UNION", false, false},
    {"POZ_DOK_VIEW_UNION_BT", true, false},
    {"POZ_DOK_VIEW_UNION_EXT", false, true},
    {"POZ_DOK_VIEW_UNION_BT_EXT", true, true},
};

const QString kHeaderOfLine = QStringLiteral("n.id_nag_dok = p.id_nag_dok");
const QString kFirstBudgetLine = QStringLiteral("b.id_poz_dok = p.id_poz_dok AND b.lp = 1");

QString accountOfSide(int side) {
    return QStringLiteral("w.id_firmy = p.id_firmy AND w.id_lata_obrot = p.id_lata_obrot AND w.nr_konta = %1")
        .arg(QLatin1String(kSideAccount[side]));
}

QString expression(const Column& c, int side, bool linesAlone) {
    const QString field = QLatin1String(c.dt);
    QString e;
    switch (c.from) {
    case From::Line: return QLatin1String(side == 0 ? c.dt : c.ct);
    case From::RowId: return EntryRowId::sql(QStringLiteral("p.id_poz_dok"), side);
    case From::Header:
        e = QStringLiteral("(SELECT n.%1 FROM NAG_DOK n WHERE %2)").arg(field, kHeaderOfLine);
        break;
    case From::Lookup: {
        const QString table = QLatin1String(c.lookup->table), a = QLatin1String(c.lookup->alias),
                      key = QLatin1String(c.lookup->key);
        e = QStringLiteral("(SELECT %1.%2 FROM NAG_DOK n JOIN %3 %1 ON %1.%4 = n.%4 WHERE %5)").arg(a, field, table, key, kHeaderOfLine);
        break;
    }
    case From::Budget:
        e = linesAlone ? QStringLiteral("(SELECT b.%1 FROM BT_DANE b WHERE %2)").arg(field, kFirstBudgetLine)
                       : QStringLiteral("b.") + field;
        break;
    case From::Account:
        e = linesAlone ? QStringLiteral("(SELECT w.%1 FROM WARTOSCI_KONT w WHERE %2)").arg(field, accountOfSide(side))
                       : QStringLiteral("w.") + field;
        break;
    }
    return c.fallback ? QStringLiteral("coalesce(%1, %2)").arg(e, QLatin1String(c.fallback)) : e;
}

template <typename Columns>
void addColumns(QStringList& out, const Columns& columns, int side, bool linesAlone) {
    for (const Column& c : columns)
        out << expression(c, side, linesAlone) + QStringLiteral(" AS ") + QLatin1String(c.name);
}

QString arm(const View& v, int side, bool linesAlone) {
    QStringList columns;
    addColumns(columns, kEntryColumns, side, linesAlone);
    if (v.budget) addColumns(columns, kBudgetColumns, side, linesAlone);
    if (v.ext) addColumns(columns, kExtColumns, side, linesAlone);
    QString sql = QStringLiteral("SELECT ") + columns.join(QStringLiteral(",\n       ")) + QStringLiteral("\n  FROM POZ_DOK p");
    if (linesAlone) return sql;
    if (v.budget) sql += QStringLiteral("\n  LEFT JOIN BT_DANE b ON ") + kFirstBudgetLine;
    if (v.ext) sql += QStringLiteral("\n  LEFT JOIN WARTOSCI_KONT w ON ") + accountOfSide(side);
    return sql + QStringLiteral("\n WHERE %1 <> ''").arg(QLatin1String(kSideAccount[side]));
}

QString createView(const View& v, bool linesAlone) {
    const QString arms = arm(v, 0, linesAlone) + QStringLiteral("\nUNION ALL\n") + arm(v, 1, linesAlone);
    const QString body = linesAlone ? QStringLiteral("SELECT * FROM (\n%1\n) u\n WHERE u.konto <> ''").arg(arms) : arms;
    return QStringLiteral("CREATE VIEW %1 AS\n%2").arg(QLatin1String(v.name), body);
}

} // namespace

QStringList entryViewNames() {
    QStringList out;
    for (const View& v : kViews) out << QLatin1String(v.name);
    return out;
}

QString entryViewsSql(const Dialect& dialect) {
    QString sql;
    for (const View& v : kViews) sql += createView(v, dialect.entryViewsReadLinesAlone()) + QStringLiteral(";\n\n");
    return sql;
}

QString dropEntryViewsSql() {
    QString sql;
    const QStringList names = entryViewNames();
    for (auto it = names.crbegin(); it != names.crend(); ++it) sql += QStringLiteral("DROP VIEW IF EXISTS %1;\n").arg(*it);
    return sql;
}

} // namespace ksiega::db
