#include "budget/quickfilter/BudgetQuickFilterController.h"
#include "budget/quickfilter/BudgetFilterDescription.h"
#include "budget/quickfilter/ExportPeriods.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/FilterExpression.h"
#include "platform/runtime/MonthNames.h"
#include "platform/server/budget/BudgetFunctions.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/settings/Settings.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace ksiega::budget {

namespace {

bool noneChecked(const std::vector<ListRow>& rows) {
    return !rows.empty() && std::none_of(rows.begin(), rows.end(), [](const ListRow& r) { return r.checked; });
}

// A code of the export form that was not filled ("?" is what an unset parameter shows).
bool missing(const QString& code) {
    const QString c = code.trimmed();
    return c.isEmpty() || c == QStringLiteral("?");
}

} // namespace

BudgetQuickFilterController::BudgetQuickFilterController(db::Database& db, SessionContext& session, BudgetFilterState& moduleWide,
                                                         Settings& settings, const QString& mode, const QString& side)
    : m_db(db), m_session(session), m_moduleWide(moduleWide), m_settings(settings),
      m_export(mode.trimmed().compare(EXPORT_MODE, Qt::CaseInsensitive) == 0),
      m_side(side.trimmed().toUpper() == QStringLiteral("D") ? QStringLiteral("D") : QStringLiteral("W")),
      m_runner(runBudgetExport) {
    if (!m_moduleWide.restored) {
        m_moduleWide.settings.restore(m_settings);
        m_moduleWide.restored = true;
    }
    m_working = m_moduleWide.settings;
    if (m_export) {
        // Every sense is counted by the export itself.
        m_working.expenditure.fill(true);
        m_working.revenue.fill(true);
        loadExportForm();
    }
    loadYears();
    loadLists();
}

QString BudgetQuickFilterController::caption() const {
    return m_export ? QStringLiteral("Export do pliku") : QStringLiteral("Filtr klasyfikacji budżetowej");
}

QString BudgetQuickFilterController::cancelText() const {
    return m_export ? QStringLiteral("Zamknij") : QStringLiteral("Anuluj");
}

QString BudgetQuickFilterController::side() const {
    return m_export ? (m_working.exportForm.side == QStringLiteral("D") ? QStringLiteral("D") : QStringLiteral("W")) : m_side;
}

pickers::PickerContext BudgetQuickFilterController::pickerContext() const {
    return {m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYTKOWNIKA_NR, m_session.DANE_DATA_BIEZACA};
}

void BudgetQuickFilterController::loadYears() {
    m_years = {{0, QStringLiteral("<wszystkie>")}};
    db::Rows r = m_db.select(QStringLiteral("select id_lata_obrot, rok_obrotowy from LATA_OBROTOWE where id_firmy=? "
                                            "order by id_firmy, poczatek_roku desc"),
                             {m_session.DANE_ID_FIRMY});
    while (r.next()) m_years.push_back({r.int64(0), r.text(1)});
    // A year of another company, or one gone, is not taken.
    if (m_working.year > 0 && std::none_of(m_years.begin(), m_years.end(), [&](const YearRow& y) { return y.id == m_working.year; }))
        m_working.year = -1;
}

int64_t BudgetQuickFilterController::chosenYear() const {
    return m_working.year < 0 ? m_session.DANE_LATA_OBROTOWE : m_working.year;
}

void BudgetQuickFilterController::chooseYear(int64_t id) {
    m_working.year = id;
    m_working.uncheckedPeriods.clear();
    loadPeriods();
}

void BudgetQuickFilterController::loadLists() {
    const BudgetFilterSettings& s = m_working;
    m_journals.clear();
    db::Rows j = m_db.select(QStringLiteral("select id_paczka, kod_paczki, opis_paczki from PACZKA where id_firmy=? and id_lata_obrot=? "
                                            "order by id_firmy, id_lata_obrot, kod_paczki"),
                             {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE});
    while (j.next()) m_journals.push_back({j.int64(0), j.text(1) + QChar(' ') + j.text(2), s.uncheckedJournals.count(j.int64(0)) == 0});
    m_documentTypes.clear();
    db::Rows t = m_db.select(QStringLiteral("select id_typ_dok, sym_typ_dok_uz, naz_typ_dok_uz from TYP_DOK where id_firmy=? "
                                            "order by id_firmy, sym_typ_dok_uz"),
                             {m_session.DANE_ID_FIRMY});
    while (t.next())
        m_documentTypes.push_back({t.int64(0), t.text(1) + QChar(' ') + t.text(2), s.uncheckedDocumentTypes.count(t.int64(0)) == 0});
    loadPeriods();
}

void BudgetQuickFilterController::loadPeriods() {
    m_periods.clear();
    const int64_t year = chosenYear();
    if (year <= 0) return;
    db::Rows y = m_db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE where id_lata_obrot=? and id_firmy=?"),
                             {year, m_session.DANE_ID_FIRMY});
    if (!y.next()) return;
    const int first = y.integer(0), last = y.integer(1);
    auto add = [&](const QString& name, int day) { m_periods.push_back({day, name, m_working.uncheckedPeriods.count(day) == 0}); };
    add(QStringLiteral("BO"), date::fromYmd(date::year(first), date::month(first), 1));
    int yy = date::year(first), mm = date::month(first);
    for (int n = 0; n < 24 && (yy < date::year(last) || (yy == date::year(last) && mm <= date::month(last))); ++n) {
        add(NAZWA_MIESIACA(mm) + QChar(' ') + QString::number(yy), date::monthPeriod(yy, mm));
        if (++mm > 12) {
            mm = 1;
            ++yy;
        }
    }
    add(QStringLiteral("BZ"), date::fromYmd(date::year(last), date::month(last), 28));
}

void BudgetQuickFilterController::loadExportForm() {
    BudgetExportForm& f = m_working.exportForm;
    const int64_t company = m_session.DANE_ID_FIRMY;
    f.kodWojewodztwa = server::fn_fk_PobierzParamGlo(m_db, company, QStringLiteral("BeKodW"));
    f.kodPowiatu = server::fn_fk_PobierzParamGlo(m_db, company, QStringLiteral("BeKodP"));
    f.kodGminy = server::fn_fk_PobierzParamGlo(m_db, company, QStringLiteral("BeKodG"));
    f.typGminy = server::fn_fk_PobierzParamGlo(m_db, company, QStringLiteral("BeTypG"));
    f.typPowiatu = server::fn_fk_PobierzParamGlo(m_db, company, QStringLiteral("BeTypP"));
    const QString regon = m_db.scalarText(QStringLiteral("select regon from FIRMA where id_firmy=?"), {company}).value_or(QString()).trimmed();
    f.regon = regon.left(9);
    f.regonRozszerzony = regon;
    f.identyfikatorJb = m_db.scalarInt(QStringLiteral("select fk_id_jb from FIRMA where id_firmy=?"), {company}).value_or(0);
    if (f.reportDate == 0) f.reportDate = m_session.DANE_DATA_BIEZACA;
    // The entry of the working date is chosen.
    const int today = m_session.DANE_DATA_BIEZACA > 0 ? m_session.DANE_DATA_BIEZACA : m_session.DANE_POCZATEK_ROKU;
    const int month = today > 0 ? date::month(today) : 1;
    f.period = f.byQuarters ? (month - 1) / 3 + 1 : month;
}

std::vector<ListRow>& BudgetQuickFilterController::rowsOf(FilterList list) {
    switch (list) {
    case FilterList::Journals: return m_journals;
    case FilterList::Periods: return m_periods;
    case FilterList::DocumentTypes: break;
    }
    return m_documentTypes;
}

const std::vector<ListRow>& BudgetQuickFilterController::rows(FilterList list) const {
    return const_cast<BudgetQuickFilterController*>(this)->rowsOf(list);
}

void BudgetQuickFilterController::toggle(FilterList list, int row) {
    std::vector<ListRow>& r = rowsOf(list);
    if (row >= 0 && row < int(r.size())) r[size_t(row)].checked = !r[size_t(row)].checked;
}

void BudgetQuickFilterController::setAll(FilterList list, bool checked) {
    for (ListRow& r : rowsOf(list)) r.checked = checked;
}

void BudgetQuickFilterController::setDocumentDateChoice(DateChoice choice) {
    DateRange& r = m_working.documentDates;
    r.choice = choice;
    if (choice == DateChoice::Okreslony) {
        if (r.first == 0) r.first = m_session.DANE_DATA_BIEZACA;
        if (r.second == 0) r.second = m_session.DANE_DATA_BIEZACA;
    }
}

void BudgetQuickFilterController::setBookingDateChoice(DateChoice choice) {
    DateRange& r = m_working.bookingDates;
    r.choice = choice;
    if (choice == DateChoice::Okreslony) {
        if (r.first == 0) r.first = m_session.DANE_DATA_BIEZACA;
        if (r.second == 0) r.second = m_session.DANE_DATA_BIEZACA;
    }
}

void BudgetQuickFilterController::setChosenAccount(const QString& account) {
    if (account == m_working.chosenAccount) return;
    m_working.chosenAccount = account.left(70);
    m_working.severalAccounts = false;
}

void BudgetQuickFilterController::pickClassification() {
    const QString symbol = pickers::chartOfAccountsPicker().BT_SLOWNIK_KLASYFIKACJI(pickerContext(), pickers::MULTIWYBOR,
                                                                                   m_working.chosenClassification);
    if (symbol == pickers::MULTIWYBOR) {
        m_working.severalSymbols = true;
        m_working.chosenClassification =
            QStringLiteral("ilość elementów: ") +
            QString::number(pickers::countPickedMarks(m_db, pickers::kClassificationBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR));
    } else if (!symbol.isEmpty() && (symbol != m_working.chosenClassification || m_working.severalSymbols)) {
        m_working.severalSymbols = false;
        m_working.chosenClassification = symbol.left(50);
    }
    m_working.classification = ClassificationChoice::Wybrana;
}

void BudgetQuickFilterController::pickAccounts() {
    const QString account = pickers::chartOfAccountsPicker().chooseAccounts(pickerContext());
    m_session.DANE_NUMER_KONTA = account;
    if (account.isEmpty()) return;
    const int64_t count = pickers::countPickedMarks(m_db, pickers::kAccountBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR);
    m_working.severalAccounts = count > 1;
    m_working.chosenAccount = count > 1 ? QStringLiteral("ilość elementów: ") + QString::number(count) : account.left(70);
}

void BudgetQuickFilterController::pickDocumentDate(int which) {
    int& day = which == 1 ? m_working.documentDates.first : m_working.documentDates.second;
    day = pickers::datePickers().KALENDARZ(day);
}

void BudgetQuickFilterController::pickBookingDate(int which) {
    int& day = which == 1 ? m_working.bookingDates.first : m_working.bookingDates.second;
    day = pickers::datePickers().KALENDARZ(day);
}

void BudgetQuickFilterController::pickFolder() {
    const QString folder = ui::dialogs().folderName(QStringLiteral("Katalog plików"), m_working.exportForm.folder);
    if (!folder.isEmpty()) m_working.exportForm.folder = QDir::toNativeSeparators(folder).left(255);
}

QStringList BudgetQuickFilterController::exportPeriodList() const {
    const int start = m_session.DANE_POCZATEK_ROKU > 0 ? m_session.DANE_POCZATEK_ROKU : m_session.DANE_DATA_BIEZACA;
    return exportPeriodNames(start > 0 ? date::year(start) : 0);
}

int BudgetQuickFilterController::exportPeriodIndex() const {
    const BudgetExportForm& f = m_working.exportForm;
    return f.byQuarters ? 12 + std::clamp(f.period, 1, 4) - 1 : std::clamp(f.period, 1, 12) - 1;
}

void BudgetQuickFilterController::chooseExportPeriod(int index) {
    if (index < 0 || index > 15) return;
    BudgetExportForm& f = m_working.exportForm;
    f.byQuarters = index >= 12;
    f.period = index >= 12 ? index - 11 : index + 1;
}

void BudgetQuickFilterController::clearSettings() {
    const BudgetExportForm form = m_working.exportForm;
    m_working.clear();
    if (m_export) {
        m_working.exportForm = form;   // the unit's codes stay; the rest of the form is back to its defaults
        m_working.exportForm.byQuarters = false;
        m_working.exportForm.cumulativeInQuarter = m_working.exportForm.cumulativeInYear = false;
        m_working.exportForm.rounding = ExportRounding::None;
        m_working.exportForm.format = QStringLiteral("BESTIA");
        const int today = m_session.DANE_DATA_BIEZACA;
        m_working.exportForm.period = today > 0 ? date::month(today) : 1;
    }
    loadLists();
}

std::optional<FilterRefusal> BudgetQuickFilterController::validateExportForm() const {
    const BudgetExportForm& f = m_working.exportForm;
    if (missing(f.kodWojewodztwa)) return FilterRefusal{QStringLiteral("Proszę wypełnić kod województwa."), QStringLiteral("BT_GUS_KW")};
    if (missing(f.kodPowiatu)) return FilterRefusal{QStringLiteral("Proszę wypełnić kod powiatu."), QStringLiteral("BT_GUS_KP")};
    if (missing(f.kodGminy)) return FilterRefusal{QStringLiteral("Proszę wypełnić kod gminy."), QStringLiteral("BT_GUS_KG")};
    // The identifier is written with the picture P#####P: 1 to 99999.
    if (f.format == QStringLiteral("JB") && (f.identyfikatorJb <= 0 || f.identyfikatorJb > 99999))
        return FilterRefusal{QStringLiteral("Proszę wypełnić identyfikator jednostki budżetowej."), QStringLiteral("BT_IDENTYFIKATOR_JB")};
    const QString folder = f.folder.trimmed();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return FilterRefusal{QStringLiteral("Proszę wybrać katalog plików."), QStringLiteral("BT_KATALOG_PLIKOW")};
    if (QDir(folder).isRoot() || QDir(QFileInfo(folder).canonicalFilePath()).isRoot())
        return FilterRefusal{QStringLiteral("Proszę wybrać katalog plików (nie można importować plików do katalogu głównego)."),
                             QStringLiteral("BT_KATALOG_PLIKOW")};
    return std::nullopt;
}

std::optional<FilterRefusal> BudgetQuickFilterController::validate() const {
    const BudgetFilterSettings& s = m_working;
    if (m_export) {
        if (auto refusal = validateExportForm()) return refusal;
    } else if (side() == QStringLiteral("D")) {
        if (std::none_of(s.revenue.begin(), s.revenue.end(), [](bool on) { return on; }))
            return FilterRefusal{QStringLiteral("Proszę określić rodzaj dochodu."), QStringLiteral("L_DOCHODY")};
    } else if (std::none_of(s.expenditure.begin(), s.expenditure.end(), [](bool on) { return on; })) {
        return FilterRefusal{QStringLiteral("Proszę określić rodzaj wydatku."), QStringLiteral("L_WYDATKI")};
    }
    if (noneChecked(m_journals)) return FilterRefusal{QStringLiteral("Proszę wybrać przynajmniej jeden dziennik."), QStringLiteral("LIST1")};
    if (noneChecked(m_documentTypes))
        return FilterRefusal{QStringLiteral("Proszę wybrać przynajmniej jeden typ dokumentu."), QStringLiteral("LIST3")};
    if (!m_export && noneChecked(m_periods))
        return FilterRefusal{QStringLiteral("Proszę wybrać przynajmniej jeden okres obrotowy."), QStringLiteral("LIST2")};
    if (!s.sideDt && !s.sideCt) return FilterRefusal{QStringLiteral("Proszę określić stronę zapisu."), QStringLiteral("L_STRONA_WN")};
    switch (s.account) {
    case AccountScope::Wszystkie:
        break;
    case AccountScope::Zakres:
        // Compared as the expression compares them (padded to three characters), so that "2" to "49" is a range.
        if (s.rangeFirst.trimmed().isEmpty() || s.rangeSecond.trimmed().isEmpty() ||
            paddedRangeEnd(s.rangeFirst) > paddedRangeEnd(s.rangeSecond))
            return FilterRefusal{QStringLiteral("Proszę ustalić odpowiedni zakres kont."), QStringLiteral("L_ZAKRES_KONT_1")};
        break;
    case AccountScope::Maska:
        if (s.accountMask.trimmed().isEmpty()) return FilterRefusal{QStringLiteral("Proszę określić maskę konta."), QStringLiteral("L_MASKA_KONT")};
        break;
    case AccountScope::Wybrane:
        if (s.chosenAccount.trimmed().isEmpty()) return FilterRefusal{QStringLiteral("Proszę wybrać konto."), QStringLiteral("L_WYBRANE_KONTO")};
        break;
    }
    if (s.classification == ClassificationChoice::Wybrana && s.chosenClassification.trimmed().isEmpty())
        return FilterRefusal{QStringLiteral("Proszę wybrać klasyfikację budżetową."), QStringLiteral("L_WYBRANA_KLASYFIKACJA")};
    return std::nullopt;
}

QString BudgetQuickFilterController::expression() const {
    const BudgetFilterInput input{m_working,       side(),         chosenYear(),  m_journals, m_periods, m_documentTypes,
                                  m_session.DANE_ID_UZYTKOWNIKA_NR, m_session.GGG_BT_SEPARATOR, m_export};
    return buildBudgetFilterExpression(input);
}

QStringList BudgetQuickFilterController::chosenSymbols() const {
    const BudgetFilterSettings& s = m_working;
    if (s.classification != ClassificationChoice::Wybrana) return {};
    if (!s.severalSymbols) return s.chosenClassification.trimmed().isEmpty() ? QStringList{} : QStringList{s.chosenClassification.trimmed()};
    QStringList out;
    db::Rows r = m_db.select(QStringLiteral("select opis_elementu from ZAZNACZENIE where id_uzytkownika=? and id_browsera=? "
                                            "and opis_elementu<>'' order by opis_elementu"),
                             {m_session.DANE_ID_UZYTKOWNIKA_NR, pickers::kClassificationBrowser});
    while (r.next()) out << r.text(0);
    return out;
}

void BudgetQuickFilterController::keep() {
    BudgetFilterSettings saved = m_working;
    saved.uncheckedJournals.clear();
    saved.uncheckedDocumentTypes.clear();
    saved.uncheckedPeriods.clear();
    for (const ListRow& r : m_journals)
        if (!r.checked) saved.uncheckedJournals.insert(r.id);
    for (const ListRow& r : m_documentTypes)
        if (!r.checked) saved.uncheckedDocumentTypes.insert(r.id);
    for (const ListRow& r : m_periods)
        if (!r.checked) saved.uncheckedPeriods.insert(int(r.id));
    m_moduleWide.settings = saved;
    m_moduleWide.settings.store(m_settings);
    if (!m_export) m_moduleWide.switches = switchesOf(saved, side(), chosenSymbols());
}

bool BudgetQuickFilterController::confirmExport() {
    const QString folder = m_working.exportForm.folder.trimmed();
    const bool filesThere = !QDir(folder).entryList({QStringLiteral("*.dbf"), QStringLiteral("*.DBF")}, QDir::Files).isEmpty();
    if (filesThere &&
        ui::dialogs().question(QStringLiteral("W podanym katalogu istnieją już pliki. Czy chcesz wykonać eksport do wybranego katalogu plików ?"),
                               ui::BUTTONS_TAK_NIE, 1, ui::TITLE_PYTANIE) != 1)
        return false;
    m_lastExport = BudgetExportRun{};
    m_lastExport->overwrite = filesThere;
    return true;
}

bool BudgetQuickFilterController::apply() {
    m_select.clear();
    if (const auto refusal = validate()) {
        m_select = refusal->control;
        ui::dialogs().information(refusal->message, ui::TITLE_INFORMACJA);
        return false;
    }
    const QString e = expression();
    if (e.size() >= kMaxExpressionLength) {
        ui::dialogs().information(QStringLiteral("Wyrażenie filtrujące jest za długie."), ui::TITLE_INFORMACJA);
        return false;
    }
    if (!m_export) {
        keep();
        m_result = e;
        m_applied = true;
        return true;
    }

    m_lastExport.reset();
    if (!confirmExport()) return false;
    if (!e.isEmpty() &&
        ui::dialogs().question(QStringLiteral("Zastosowano filtr danych. Czy kontynuować eksport do pliku?"), ui::BUTTONS_TAK_NIE, 1,
                               ui::TITLE_PYTANIE) != 1) {
        m_lastExport.reset();
        return false;
    }
    const FilterTranslation sql = translateFilter(e);
    if (!sql.ok()) {
        ui::dialogs().information(sql.error, ui::TITLE_INFORMACJA);
        m_lastExport.reset();
        return false;
    }
    BudgetExportRun& run = *m_lastExport;
    run.form = m_working.exportForm;
    run.form.side = side();
    const int start = m_session.DANE_POCZATEK_ROKU > 0 ? m_session.DANE_POCZATEK_ROKU : m_session.DANE_DATA_BIEZACA;
    const PeriodDates dates = exportPeriodDates(run.form, date::year(start));
    run.from = dates.from;
    run.to = dates.to;
    run.sqlFilter = sql.where;
    keep();
    m_applied = true;
    return m_runner ? m_runner(run) : false;
}

} // namespace ksiega::budget
