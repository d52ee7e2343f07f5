#include "budget/reports/BudgetReports.h"
#include "budget/reports/BudgetHeading.h"
#include "platform/report/ReportLayout.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/Picture.h"
#include "platform/runtime/TextWrap.h"

namespace ksiega::budget {

using report::Align;
using report::Column;
using report::ReportDefinition;
using report::ReportLayout;
using report::Row;
using report::RowKind;

QString budgetReportHeading(int report) {
    switch (report) {
    case kPlanReport: return QStringLiteral("Zestawienie planu klasyfikacji budżetowej");
    case kClassificationReport: return QStringLiteral("Zestawienie klasyfikacji budżetowej");
    case kEntriesReport: return QStringLiteral("Zestawienie zapisów księgowych");
    case kFullClassificationReport: return QStringLiteral("Zestawienie klasyfikacji budżetowej");
    default: return {};
    }
}

QString entriesOrderClause(int sortOrder, bool descending) {
    static const char* const columns[8] = {
        "nr_ewid_dok, nr_poz_dok, id_bt_dane",
        "data_biezaca, nr_ewid_dok, nr_poz_dok, id_bt_dane",
        "nr_dok_org, nr_poz_dok, id_bt_dane",
        "data_dok_org, nr_ewid_dok, nr_poz_dok, id_bt_dane",
        "konto_wn, nr_ewid_dok, nr_poz_dok, id_bt_dane",
        "konto_ma, nr_ewid_dok, nr_poz_dok, id_bt_dane",
        "kwota, nr_ewid_dok, nr_poz_dok, id_bt_dane",
        "bt_klasyfikacja, nr_ewid_dok, nr_poz_dok, id_bt_dane",
    };
    const int n = sortOrder >= 1 && sortOrder <= 8 ? sortOrder : 1;
    const QString dir = descending ? QStringLiteral(" desc") : QStringLiteral(" asc");
    QStringList parts;
    for (const QString& c : QString::fromLatin1(columns[n - 1]).split(QStringLiteral(", "))) parts << c + dir;
    return QStringLiteral("order by ") + parts.join(QStringLiteral(", "));
}

QString formPeriodLine(int from, int to) {
    const QDate f = date::toQDate(from), t = date::toQDate(to);
    if (f.year() == t.year() && f.month() == 1 && f.day() == 1)
        return QStringLiteral("za okres od początku roku do dnia ") + date::toDisplay(to);
    return QStringLiteral("za okres od dnia ") + date::toDisplay(from) + QStringLiteral(" do dnia ") + date::toDisplay(to);
}

namespace {

const QString kPicture14 = QStringLiteral("@N-14_`2");
const QString kPicture19 = QStringLiteral("@N-19_`2");

QString money(Money m) { return Picture::parse(kPicture14).format(m).trimmed(); }

bool expenditure(const BudgetReportJob& job) { return job.side.trimmed().toUpper() == QLatin1String("W"); }

ReportDefinition baseDefinition(const BudgetReportJob& job, const BudgetHeading& h, const QString& name) {
    ReportDefinition def;
    def.name = name;
    def.title = job.heading.isEmpty() ? budgetReportHeading(job.report) : job.heading;
    def.heading = {h.name, QStringLiteral("Rok obrotowy: ") + h.yearName};
    if (!h.address1.isEmpty()) def.heading << h.address1;
    if (!h.address2.isEmpty()) def.heading << h.address2;
    def.heading << QStringLiteral("Regon: ") + h.regon
                << QStringLiteral("Data wydruku: ") + date::toDisplay(job.scope.printDate);
    def.description = job.description;
    def.orientation = report::Orientation::Landscape;
    return def;
}

// The description as the list reports print it: whole with "Zawijaj wiersze", else at most
// 110 characters (95 for paragraf rows and deeper when the depth is 3 or more), shortened
// visibly.
QString descriptionOf(const BudgetReportJob& job, const ClassificationEntry& e) {
    if (job.settings.BT_PRN_ZAWIJAJ_WIERSZE) return e.name;
    const int depth = job.settings.BT_PRN_CZY_SYNTETYKI ? job.settings.BT_PRN_POZIOM : 4;
    return elided(e.name, depth >= 3 && e.separators >= 2 ? 95 : 110);
}

Column descriptionColumn(const BudgetReportJob& job, const QString& heading, double width) {
    return job.settings.BT_PRN_ZAWIJAJ_WIERSZE ? Column::wrapped(heading, width) : Column::elided(heading, width);
}

// Walks the queue: printed entries as detail or subtotal rows, details below the printed
// level counted into the totals only.
template <typename MakeRow>
void walkQueue(ReportLayout& layout, const BudgetReportJob& job, const std::vector<ClassificationEntry>& queue, MakeRow makeRow) {
    const bool subtotals = job.settings.BT_PRN_CZY_SYNTETYKI;
    const int depth = subtotals ? job.settings.BT_PRN_POZIOM : 4;
    int lp = 0;
    for (const ClassificationEntry& e : queue) {
        const bool prints = printsAtLevel(e, subtotals, depth);
        if (!prints) {
            if (e.detail) layout.countRow(makeRow(e, 0));
            continue;
        }
        const Row row = makeRow(e, ++lp);
        layout.addRow(row, e.detail ? RowKind::Detail : RowKind::Subtotal);
    }
}

BudgetReportResult planReport(db::Database& db, const BudgetReportJob& job, const BudgetHeading& h) {
    const PreparedClassification p = prepareClassification(db, job.scope, job.settings, job.side, job.filter, kPlanReport);
    if (!p.ok()) return {std::nullopt, p.error};
    const bool w = expenditure(job);
    ReportDefinition def = baseDefinition(job, h, QStringLiteral("Prn_BT_Plan"));
    def.columns = {Column::text(QStringLiteral("Lp."), 0.6, Align::Right), Column::text(QStringLiteral("Symbol"), 2.2),
                   descriptionColumn(job, QStringLiteral("Opis"), 5), Column::money(QStringLiteral("Plan po zmianach"), 1.8),
                   Column::money(w ? QStringLiteral("Wydatki") : QStringLiteral("Dochody"), 1.8),
                   Column::money(w ? QStringLiteral("Koszt") : QStringLiteral("Wpływy"), 1.8),
                   Column::money(QStringLiteral("Zaangażowanie"), 1.8)};
    ReportLayout layout(def);
    layout.begin();
    walkQueue(layout, job, p.queue, [&](const ClassificationEntry& e, int lp) -> Row {
        const ClassificationFigures& f = e.figures;
        return {lp ? QString::number(lp) : QString(), e.symbol, descriptionOf(job, e), f.plan, f.period[0], f.period[1],
                f.period[2]};
    });
    return {layout.finish(), {}};
}

std::vector<std::pair<QString, QString>> figuresBlock(const BudgetReportJob& job, const ClassificationFigures& f) {
    const bool w = expenditure(job);
    std::vector<std::pair<QString, QString>> out{{QStringLiteral("Plan"), money(f.plan)},
                                                 {QStringLiteral("Do realizacji"), money(f.toRealise())},
                                                 {QStringLiteral("Zrealizowano"), money(f.accumulated[0])},
                                                 {QStringLiteral("%"), percentText(f.percentHundredths()).replace('.', ',')}};
    if (w) {
        out.insert(out.end(), {{QStringLiteral("Wydatki nar."), money(f.accumulated[0])},
                               {QStringLiteral("Wydatki"), money(f.period[0])},
                               {QStringLiteral("Koszty nar."), money(f.accumulated[1])},
                               {QStringLiteral("Koszty"), money(f.period[1])},
                               {QStringLiteral("Zaangażowanie nar."), money(f.accumulated[2])},
                               {QStringLiteral("Zaangażowanie"), money(f.period[2])}});
    } else {
        out.insert(out.end(), {{QStringLiteral("Dodchody nar."), money(f.accumulated[0])},
                               {QStringLiteral("Dochody"), money(f.period[0])},
                               {QStringLiteral("Wpływy nar."), money(f.accumulated[1])},
                               {QStringLiteral("Wpływy"), money(f.period[1])}});
    }
    return out;
}

BudgetReportResult classificationReport(db::Database& db, const BudgetReportJob& job, const BudgetHeading& h) {
    const PreparedClassification p = prepareClassification(db, job.scope, job.settings, job.side, job.filter, job.report);
    if (!p.ok()) return {std::nullopt, p.error};
    const bool w = expenditure(job);
    if (job.report == kClassificationReport) {
        ReportDefinition def = baseDefinition(job, h, QStringLiteral("Prn_BT_Klasyfikacja"));
        Column percent = Column::ratio(QStringLiteral("% realiz."), 1.1, 4, 3);
        percent.picture = kPicture19;
        def.columns = {Column::text(QStringLiteral("Lp."), 0.6, Align::Right), Column::text(QStringLiteral("Symbol"), 2.0),
                       descriptionColumn(job, QStringLiteral("Opis"), 3.2), Column::money(QStringLiteral("Plan"), 1.5),
                       Column::money(w ? QStringLiteral("Wydatki nar.") : QStringLiteral("Dochody nar."), 1.5),
                       Column::money(w ? QStringLiteral("Koszty nar") : QStringLiteral("Wpływy nar."), 1.5),
                       Column::money(w ? QStringLiteral("Wydatki") : QStringLiteral("Dochody"), 1.5),
                       Column::money(w ? QStringLiteral("Koszty") : QStringLiteral("Wpływy"), 1.5),
                       Column::money(QStringLiteral("Zaangażowanie"), 1.5),
                       Column::money(QStringLiteral("Zaangaż. nar."), 1.5),
                       percent,
                       Column::money(QStringLiteral("Do realizacji"), 1.5)};
        for (size_t i = 8; i < def.columns.size(); ++i)
            if (!def.columns[i].isRatio()) def.columns[i].picture = kPicture19;
        def.fontPt = 7.0f;
        ReportLayout layout(def);
        layout.begin();
        walkQueue(layout, job, p.queue, [&](const ClassificationEntry& e, int lp) -> Row {
            const ClassificationFigures& f = e.figures;
            return {lp ? QString::number(lp) : QString(), e.symbol, descriptionOf(job, e), f.plan, f.accumulated[0],
                    f.accumulated[1], f.period[0], f.period[1], f.period[2], f.accumulated[2],
                    Money::fromMinor(f.percentHundredths()), f.toRealise()};
        });
        return {layout.finish(), {}};
    }

    // The full report: a section per symbol with its figures, and the entries of each
    // detail symbol under it (each entry once, under its own symbol).
    ReportDefinition def = baseDefinition(job, h, QStringLiteral("Prn_BT_Klasyfikacja_pelny"));
    def.finalCaption = QStringLiteral("Razem");
    const bool accounts = job.settings.BT_PRN_CZY_KONTA_KSIEGOWE == 1;
    std::vector<Column> entryColumns{Column::text(QStringLiteral("Numer dokumentu"), 2), Column::text(QStringLiteral("Numer ewidencyjny"), 2),
                                     Column::text(QStringLiteral("Data księg."), 1.2), Column::text(QStringLiteral("Data dokum."), 1.2),
                                     descriptionColumn(job, QStringLiteral("Opis"), 4)};
    if (accounts) {
        entryColumns.insert(entryColumns.end(), {Column::text(QStringLiteral("Konto Dt"), 1.6),
                                                 Column::money(QStringLiteral("Kwota Dt"), 1.6, report::NoTotal),
                                                 Column::text(QStringLiteral("Konto Ct"), 1.6),
                                                 Column::money(QStringLiteral("Kwota Ct"), 1.6, report::NoTotal)});
    } else {
        entryColumns.push_back(Column::money(QStringLiteral("Kwota"), 1.6, report::NoTotal));
        const QStringList heads = w ? QStringList{QStringLiteral("Wydatek"), QStringLiteral("Koszt"), QStringLiteral("Zaangażowanie")}
                                    : QStringList{QStringLiteral("Dochód"), QStringLiteral("Wpływ")};
        for (const QString& head : heads) entryColumns.push_back(Column::text(head, 1.2, Align::Center));
    }
    // The totals of the details only, as a line after the last section.
    def.closingLines = {};
    ReportLayout layout(def);
    layout.begin();
    const QString dateColumn = server::budgetDateColumn(job.settings.BT_PRN_KONTEKST_DATY ? server::BudgetDateBasis::Document
                                                                                          : server::BudgetDateBasis::Booking);
    const RecordFilter person = budgetRecordFilter(job.settings, job.filter, kEntriesReport);
    if (!person.ok()) return {std::nullopt, person.error};
    const bool subtotals = job.settings.BT_PRN_CZY_SYNTETYKI;
    const int depth = subtotals ? job.settings.BT_PRN_POZIOM : 4;
    int lp = 0;
    try {
        for (const ClassificationEntry& e : p.queue) {
            if (!printsAtLevel(e, subtotals, depth)) continue;
            report::Section s;
            s.head = QStringLiteral("%1. %2 %3").arg(++lp).arg(e.symbol, e.name);
            s.figures = figuresBlock(job, e.figures);
            if (e.detail && e.hasLines) s.columns = entryColumns;
            layout.beginSection(s);
            if (e.detail && e.hasLines) {
                db::Rows r = db.select(
                    QStringLiteral("select nr_dok_org, nr_ewid_dok, data_biezaca, data_dok_org, tresc_poz_dok, konto_wn, kwota, "
                                   "konto_ma, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_d, rodzaj_wp from BT_VIEW "
                                   "where id_firmy=? and id_lata_obrot=? and typ=? and bt_klasyfikacja=? and (") +
                        person.where + QStringLiteral(") order by %1, nr_ewid_dok, nr_poz_dok, id_bt_dane").arg(dateColumn),
                    {job.scope.company, job.scope.year, job.side.trimmed().toUpper(), e.symbol});
                while (r.next()) {
                    Row row{r.text(0), r.text(1), date::toDisplay(r.integer(2)), date::toDisplay(r.integer(3)), r.text(4)};
                    const Money kwota = r.money(6);
                    if (accounts) {
                        const bool dt = !r.text(5).isEmpty();
                        row.insert(row.end(), {r.text(5), dt ? kwota : Money(), r.text(7), dt ? Money() : kwota});
                    } else {
                        row.push_back(kwota);
                        auto mark = [&](int c) { return r.integer(c) == 1 ? QStringLiteral("+") : QString(); };
                        if (w) row.insert(row.end(), {mark(8), mark(9), mark(10)});
                        else row.insert(row.end(), {mark(11), mark(12)});
                    }
                    layout.addSectionRow(row);
                }
            }
            layout.endSection();
        }
        const ClassificationFigures total = detailTotal(p.queue);
        report::Section s;
        s.head = QStringLiteral("Razem");
        s.figures = figuresBlock(job, total);
        layout.beginSection(s);
        layout.endSection();
    } catch (const std::exception& e) {
        return {std::nullopt, QString::fromUtf8(e.what())};
    }
    return {layout.finish(), {}};
}

BudgetReportResult entriesReport(db::Database& db, const BudgetReportJob& job, const BudgetHeading& h) {
    const RecordFilter filter = budgetRecordFilter(job.settings, job.filter, kEntriesReport);
    if (!filter.ok()) return {std::nullopt, filter.error};
    const bool w = expenditure(job);
    const QString side = job.side.trimmed().toUpper();
    if (side != QLatin1String("W") && side != QLatin1String("D")) return {std::nullopt, QStringLiteral("side must be W or D")};
    ReportDefinition def = baseDefinition(job, h, QStringLiteral("Prn_BT_Dowody"));
    def.columns = {Column::text(QStringLiteral("Symbol"), 2.2), descriptionColumn(job, QStringLiteral("Opis pozycji"), 3.6),
                   Column::text(QStringLiteral("Nr dokumentu"), 1.6), Column::text(QStringLiteral("Data dokumentu"), 1.2),
                   Column::text(QStringLiteral("Nr ewidencyjny"), 1.6), Column::text(QStringLiteral("Data księgowania"), 1.2),
                   Column::text(QStringLiteral("Konto Dt"), 1.4), Column::text(QStringLiteral("Konto Ct"), 1.4),
                   Column::money(QStringLiteral("Kwota"), 1.6),
                   Column::text(w ? QStringLiteral("W") : QStringLiteral("D"), 0.4, Align::Center),
                   Column::text(w ? QStringLiteral("K") : QStringLiteral("W"), 0.4, Align::Center)};
    if (w) def.columns.push_back(Column::text(QStringLiteral("Z"), 0.4, Align::Center));
    def.fontPt = 7.0f;
    ReportLayout layout(def);
    layout.begin();
    try {
        db::Rows r = db.select(QStringLiteral("select tresc_poz_dok, bt_klasyfikacja, nr_dok_org, data_dok_org, nr_ewid_dok, "
                                              "data_biezaca, konto_wn, konto_ma, kwota, rodzaj_wy, rodzaj_k, rodzaj_z, rodzaj_d, "
                                              "rodzaj_wp, id_bt_dane from BT_VIEW where id_firmy=? and id_lata_obrot=? and typ=? "
                                              "and (") +
                                   filter.where + QStringLiteral(") ") + entriesOrderClause(job.sortOrder, job.descending),
                               {job.scope.company, job.scope.year, side});
        auto mark = [&](int c) { return r.integer(c) == 1 ? QStringLiteral("+") : QString(); };
        while (r.next()) {
            Row row{r.text(1), r.text(0), r.text(2), date::toDisplay(r.integer(3)), r.text(4), date::toDisplay(r.integer(5)),
                    r.text(6), r.text(7), r.money(8)};
            if (w) row.insert(row.end(), {mark(9), mark(10), mark(11)});
            else row.insert(row.end(), {mark(12), mark(13)});
            layout.addRow(row);
        }
    } catch (const std::exception& e) {
        return {std::nullopt, QString::fromUtf8(e.what())};
    }
    return {layout.finish(), {}};
}

BudgetReportResult rbForm(db::Database& db, const BudgetReportJob& job, const BudgetHeading& h) {
    ReportDefinition def;
    def.name = job.report == kRb30Form ? QStringLiteral("Prn_BT_RB30") : QStringLiteral("Prn_BT_RB27");
    def.title = QStringLiteral("Rb - 27 miesięczne / roczne");
    def.orientation = report::Orientation::Landscape;
    def.fontPt = 7.0f;
    const int from = job.settings.BT_PRN_DATA_OD ? job.settings.BT_PRN_DATA_OD : job.scope.yearStart;
    const int to = job.settings.BT_PRN_DATA_DO ? job.settings.BT_PRN_DATA_DO : job.scope.yearEnd;
    using report::FormBox;
    def.form = {
        FormBox{QRectF(0, 0, 80, 22), {QStringLiteral("Nazwa i adres jednostki sprawozdawczej"), h.name, h.address1, h.address2}},
        FormBox{QRectF(0, 23, 80, 8), {QStringLiteral("Numer identyfikacyjny REGON"), h.regon}},
        FormBox{QRectF(0, 32, 80, 12),
                {QStringLiteral("Symbole:"), h.wojewodztwo + QStringLiteral("   ") + h.powiat + QStringLiteral("   ") + h.gmina,
                 QStringLiteral("województwo") + QStringLiteral("   ") + QStringLiteral("część")}},
        FormBox{QRectF(82, 0, 115, 44),
                {QStringLiteral("Rb - 27 miesięczne / roczne"), QStringLiteral("sprawozdanie z wykonania planu dochodów budżetowych"),
                 QStringLiteral("1) państwowych jednostek budżetowych"),
                 QStringLiteral("2) urzędów skarbowych jako organów podatkowych w zakresie budżetu baństwa"),
                 QStringLiteral("3) urzędów skarbowych jako organów podatkowych w zakresie wykonywania dochodów gmin"),
                 QStringLiteral("i udziałów jednostek samorządu terytorialnego w dochodach budżetu państwa"),
                 QStringLiteral("4) izb celnych w zakresie podatku akcyzowego i VAT od importu"),
                 QStringLiteral("5) Ministerstwo Finansów z tytułu udziałów jednostek samorządu terytorialnego we"),
                 QStringLiteral("wpływach z podatku dochodowego od osób fizycznych"), formPeriodLine(from, to)},
                Align::Center, false, true, 5.5f},
        FormBox{QRectF(199, 0, 78, 30),
                {QStringLiteral("MINISTERSTWO FINANSÓW, ul. Świętokrzyska 12,  00-916 Warszawa"), QStringLiteral("REGIONALNA"),
                 QStringLiteral("IZBA OBRACHUNKOWA"), h.rio}},
        FormBox{QRectF(199, 31, 78, 13),
                {QStringLiteral("Wysłać bez pima przewodniego"), QStringLiteral("Przed wypełnieniem przeczytać instrukcję")}},
    };
    def.formHeight = 46;
    def.heading = {};
    def.description = QStringList{QStringLiteral("Data wydruku: ") + date::toDisplay(job.scope.printDate)} + job.description;
    def.signatures = {QStringLiteral("Główny księgowy"), QStringLiteral("rok   m-c   dzień"), QStringLiteral("Kierownik jednostki")};
    def.columns = {Column::text(QStringLiteral("Klasyfikacja budżetowa\ndział"), 0.9),
                   Column::text(QStringLiteral("Klasyfikacja budżetowa\nrozdział"), 0.9),
                   Column::text(QStringLiteral("Klasyfikacja budżetowa\nparagraf"), 0.9),
                   Column::money(QStringLiteral("Plan"), 1.4),
                   Column::money(QStringLiteral("Należności"), 1.4),
                   Column::money(QStringLiteral("Dochody\nwykonane"), 1.4),
                   Column::money(QStringLiteral("Dochody\nprzekazane"), 1.4),
                   Column::money(QStringLiteral("Potrącenia\ni inne zmniejszenia\ndochodów\nw okresie\nsprawozdawczym"), 1.6),
                   Column::money(QStringLiteral("Należności pozostałe do zapłaty\nogółem"), 1.6),
                   Column::money(QStringLiteral("w tym:\nzaległości netto"), 1.6),
                   Column::money(QStringLiteral("nadpłaty\nSaldo końcowe"), 1.6)};
    for (size_t i = 7; i < def.columns.size(); ++i) def.columns[i].picture = kPicture19;
    for (size_t i = 3; i < def.columns.size(); ++i) def.columns[i].totals = report::PageTotal | report::FinalTotal;
    if (!job.heading.isEmpty()) def.title = job.heading;
    ReportLayout layout(def);
    layout.begin();
    try {
        // The prepared rows in the order they were written.
        db::Rows r = db.select(QStringLiteral("select kol1, kol2, kol3, kol4, kol5, kol6, kol7, kol8, kol1s, kol2s, kol3s "
                                              "from ZESTAW_ZESTAW where id_uzytkownika=? and id_zestaw_nag=0 and wariant_zestaw=50 "
                                              "order by lp, id_zestaw_zestaw"),
                               {job.scope.user});
        while (r.next()) {
            Row row{r.text(8), r.text(9), r.text(10)};
            for (int i = 0; i < 8; ++i) row.push_back(r.money(i));
            layout.addRow(row);
        }
    } catch (const std::exception& e) {
        return {std::nullopt, QString::fromUtf8(e.what())};
    }
    return {layout.finish(), {}};
}

} // namespace

BudgetReportResult layOutBudgetReport(db::Database& db, const BudgetReportJob& job) {
    try {
        const BudgetHeading h = readBudgetHeading(db, job.scope);
        switch (job.report) {
        case kPlanReport: return planReport(db, job, h);
        case kClassificationReport:
        case kFullClassificationReport: return classificationReport(db, job, h);
        case kEntriesReport: return entriesReport(db, job, h);
        case kRb27Form:
        case kRb30Form: return rbForm(db, job, h);
        default: return {std::nullopt, QStringLiteral("no budget report %1").arg(job.report)};
        }
    } catch (const std::exception& e) {
        return {std::nullopt, QString::fromUtf8(e.what())};
    }
}

} // namespace ksiega::budget
