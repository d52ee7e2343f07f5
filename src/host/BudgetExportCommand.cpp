// ksiega budget-export: the budget execution of one period written to the dBase file of
// the external reporting systems, as the export mode of the budget quick filter writes it.
// The territorial codes come from the company's global parameters, REGON and the unit's
// identifier from FIRMA. Prints the path of the file written.
#include "budget/export/BudgetExporter.h"
#include "host/BatchSession.h"
#include "host/Subcommands.h"
#include "platform/db/DbError.h"
#include "platform/dbase/DbaseTable.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/server/budget/BudgetFunctions.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <QRegularExpression>
#include <QTextStream>

namespace ksiega::host {

namespace {

using budget::BudgetExportRun;
using budget::ExportRounding;

QString choice(const Arguments& args, const QString& name, const QStringList& allowed) {
    const QString v = args.option(name, QString()).trimmed();
    if (!allowed.contains(v)) throw UsageError(QStringLiteral("--%1 must be one of %2").arg(name, allowed.join('|')));
    return v;
}

int lastDayOf(int year, int month) { return date::fromYmd(year, month, QDate(year, month, 1).daysInMonth()); }

// --period 01..12 or Q1..Q4 in the calendar year the fiscal year starts in, with the start
// moved back by --cumulative.
void periodArguments(const Arguments& args, int fiscalYearStart, BudgetExportRun& run) {
    static const QRegularExpression month(QStringLiteral("^(0[1-9]|1[0-2])$"));
    static const QRegularExpression quarter(QStringLiteral("^Q([1-4])$"));
    const QString p = args.option(QStringLiteral("period"), QString()).trimmed().toUpper();
    const int year = date::year(fiscalYearStart);
    int firstMonth = 0, lastMonth = 0;
    if (auto m = month.match(p); m.hasMatch()) {
        run.form.byQuarters = false;
        run.form.period = p.toInt();
        firstMonth = lastMonth = run.form.period;
    } else if (auto q = quarter.match(p); q.hasMatch()) {
        run.form.byQuarters = true;
        run.form.period = q.captured(1).toInt();
        lastMonth = 3 * run.form.period;
        firstMonth = lastMonth - 2;
    } else {
        throw UsageError(QStringLiteral("--period must be 01..12 or Q1..Q4"));
    }
    if (args.given(QStringLiteral("cumulative"))) {
        const QString c = choice(args, QStringLiteral("cumulative"), {QStringLiteral("quarter"), QStringLiteral("year")});
        run.form.cumulativeInQuarter = c == QLatin1String("quarter");
        run.form.cumulativeInYear = c == QLatin1String("year");
        if (run.form.cumulativeInQuarter) firstMonth = (firstMonth - 1) / 3 * 3 + 1;
        if (run.form.cumulativeInYear) firstMonth = 1;
    }
    run.from = date::fromYmd(year, firstMonth, 1);
    run.to = lastDayOf(year, lastMonth);
}

void printMessage(const QString& text) { QTextStream(stderr) << ui::messageText(text) << "\n"; }

int budgetExport(const Arguments& args) {
    BudgetExportRun run;
    run.form.side = choice(args, QStringLiteral("side"), {QStringLiteral("W"), QStringLiteral("D")});
    run.form.format = choice(args, QStringLiteral("format"), {QStringLiteral("BESTIA"), QStringLiteral("JB"), QStringLiteral("JST")});
    const QString rounding =
        choice(args, QStringLiteral("rounding"), {QStringLiteral("none"), QStringLiteral("whole"), QStringLiteral("truncate")});
    run.form.rounding = rounding == QLatin1String("whole")      ? ExportRounding::Whole
                        : rounding == QLatin1String("truncate") ? ExportRounding::Truncate
                                                                : ExportRounding::None;
    const auto reportDate = date::parseIso(args.option(QStringLiteral("report-date"), QString()).trimmed());
    if (!reportDate) throw UsageError(QStringLiteral("--report-date must be a date YYYY-MM-DD"));
    run.form.reportDate = *reportDate;
    run.form.folder = args.option(QStringLiteral("folder"), QString());
    run.overwrite = args.flag(QStringLiteral("overwrite"));
    const QString filter = args.option(QStringLiteral("filter"), QString());
    if (!filter.trimmed().isEmpty()) {
        const FilterTranslation t = translateFilter(filter);
        if (!t.ok()) throw UsageError(QStringLiteral("--filter: %1").arg(t.error));
        run.sqlFilter = t.where;
    }

    BatchSession batch(args, BatchSession::Access::Read);
    db::Database& db = batch.db();
    const SessionContext& s = batch.session();
    periodArguments(args, s.DANE_POCZATEK_ROKU, run);
    run.form.kodWojewodztwa = server::fn_fk_PobierzParamGlo(db, s.DANE_ID_FIRMY, QStringLiteral("BeKodW")).trimmed();
    run.form.kodPowiatu = server::fn_fk_PobierzParamGlo(db, s.DANE_ID_FIRMY, QStringLiteral("BeKodP")).trimmed();
    run.form.kodGminy = server::fn_fk_PobierzParamGlo(db, s.DANE_ID_FIRMY, QStringLiteral("BeKodG")).trimmed();
    run.form.typGminy = server::fn_fk_PobierzParamGlo(db, s.DANE_ID_FIRMY, QStringLiteral("BeTypG")).trimmed();
    run.form.typPowiatu = server::fn_fk_PobierzParamGlo(db, s.DANE_ID_FIRMY, QStringLiteral("BeTypP")).trimmed();
    db::Rows firma = db.select(QStringLiteral("select regon, fk_id_jb from FIRMA where id_firmy=?"), {s.DANE_ID_FIRMY});
    if (firma.next()) {
        // REGON is kept without blanks and dashes; a 14-digit REGON is also the extended one.
        run.form.regon = firma.text(0).remove(QRegularExpression(QStringLiteral("[\\s-]")));
        if (run.form.regon.size() == 14) run.form.regonRozszerzony = run.form.regon;
        run.form.identyfikatorJb = firma.int64(1);
    }

    try {
        const budget::ExportScope scope{s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.GGG_BT_SEPARATOR};
        const budget::ExportResult result = budget::exportBudget(db, scope, run);
        QTextStream(stdout) << result.path << "\n";
        return 0;
    } catch (const budget::ExportRefused& e) {
        printMessage(e.text());
        return 1;
    } catch (const dbase::DbaseError& e) {
        printMessage(e.text());
        return 2;
    } catch (const db::DbError& e) {
        printMessage(e.message());
        return 2;
    }
}

QString help() {
    return QStringLiteral(
        "Writes the plan and the execution of the budget side (W expenditure, D revenue) per\n"
        "classification symbol (dział-rozdział-paragraf; analytic symbols merge into their paragraf)\n"
        "to the dBase III file of the chosen layout in --folder, named as the reporting systems expect\n"
        "(e.g. W6B6xxyy.dbf). The period is a month (01..12) or a quarter (Q1..Q4) of the year;\n"
        "--cumulative moves its start to the first day of the quarter or of the year. The codes come\n"
        "from the company's global parameters BeKodW, BeKodP, BeKodG, BeTypG, BeTypP; REGON and the\n"
        "unit's identifier (JB) from the company. --filter narrows the budget lines (BTV: fields) of the\n"
        "list of symbols and of the sums alike. --rounding: none \"bez zmian\", whole \"zaokrąglaj do\n"
        "pełnych złotych\" (a half away from zero), truncate \"obcinaj grosze\" (toward zero).\n"
        "An existing file is replaced only with --overwrite.\n"
        "Prints the path of the file written. Exit codes: 0 written; 1 refused (the system's message on\n"
        "standard error; nothing written); 2 usage, database or file error (nothing written, an old file\n"
        "of the name kept).\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("budget-export"),
                  QStringLiteral("export the budget execution of a period to a dBase III file for the reporting systems"),
                  QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{Option::value("side", "W|D", "budget side: W expenditure, D revenue").required(),
                              Option::value("format", "BESTIA|JB|JST", "the file's layout").required(),
                              Option::value("period", "01..12|Q1..Q4", "the month or quarter").required(),
                              Option::value("cumulative", "quarter|year", "sum from the start of the quarter or the year"),
                              Option::value("rounding", "none|whole|truncate", "\"Zaokrąglanie kwoty\"").required(),
                              Option::value("report-date", "YYYY-MM-DD", "\"Data sprawozdania\"").required(),
                              Option::value("folder", "DIR", "\"Katalog plików\"").required(),
                              Option::value("filter", "EXPR", "record filter over the budget lines (BTV: fields)"),
                              Option::flag("overwrite", "replace an existing file of the name")},
                  budgetExport, {}, help);

} // namespace ksiega::host
