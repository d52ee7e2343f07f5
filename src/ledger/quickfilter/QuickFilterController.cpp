#include "ledger/quickfilter/QuickFilterController.h"
#include "platform/db/passthrough/PassThrough.h"
#include "platform/db/SqlText.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/siblings/pickers/DatePickers.h"
#include "platform/siblings/pickers/DocumentPicker.h"
#include "platform/siblings/pickers/PickedMarks.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::ledger {

namespace {

const QString TITLE_OSTRZEZENIE_BEZ_ODSTEPU = QStringLiteral("Bilantor:Ostrzeżenie");

template <class Row>
bool noneChecked(const std::vector<Row>& rows) {
    if (rows.empty()) return false;
    for (const Row& r : rows)
        if (r.checked) return false;
    return true;
}

} // namespace

QuickFilterController::QuickFilterController(db::Database& db, SessionContext& session, QuickFilterState& moduleWide,
                                             const QString& mode)
    : m_db(db), m_session(session), m_moduleWide(moduleWide), m_working(moduleWide.settings),
      m_accountsUsed(mode.trimmed() == QStringLiteral("1")) {
    loadLists();
}

QString QuickFilterController::periodsTabTitle() const {
    return m_accountsUsed ? QStringLiteral("Okresy/Konta") : QStringLiteral("Okresy");
}

void QuickFilterController::loadLists() {
    const QuickFilterSettings& saved = m_moduleWide.settings;
    db::Rows journals = m_db.select(QStringLiteral("select id_paczka, kod_paczki, opis_paczki from PACZKA where id_firmy=? "
                                                   "and id_lata_obrot=? order by id_firmy, id_lata_obrot, kod_paczki"),
                                    {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE});
    while (journals.next()) {
        const int64_t id = journals.int64(0);
        m_journals.push_back({id, journals.text(1) + QChar(' ') + journals.text(2), journals.text(1),
                              saved.uncheckedJournals.count(id) == 0});
    }
    db::Rows types = m_db.select(QStringLiteral("select id_typ_dok, sym_typ_dok_uz, naz_typ_dok_uz from TYP_DOK where "
                                                "id_firmy=? order by id_firmy, sym_typ_dok_uz"),
                                 {m_session.DANE_ID_FIRMY});
    while (types.next()) {
        const int64_t id = types.int64(0);
        m_documentTypes.push_back({id, types.text(1) + QChar(' ') + types.text(2), types.text(1),
                                   saved.uncheckedDocumentTypes.count(id) == 0});
    }
    db::Rows year = m_db.select(QStringLiteral("select poczatek_roku, koniec_roku from LATA_OBROTOWE where id_lata_obrot=?"),
                                {m_session.DANE_LATA_OBROTOWE});
    if (year.next()) m_periods = fiscalYearPeriods(year.integer(0), year.integer(1));
    for (PeriodRow& p : m_periods) p.checked = saved.uncheckedPeriods.count(p.date) == 0;
}

std::vector<ListRow>& QuickFilterController::rows(QuickFilterList list) {
    return list == QuickFilterList::Journals ? m_journals : m_documentTypes;
}

void QuickFilterController::toggle(QuickFilterList list, int row) {
    if (row < 0 || row >= rowCount(list)) return;
    if (list == QuickFilterList::Periods)
        m_periods[size_t(row)].checked = !m_periods[size_t(row)].checked;
    else
        rows(list)[size_t(row)].checked = !rows(list)[size_t(row)].checked;
}

void QuickFilterController::setAll(QuickFilterList list, bool on) {
    if (list == QuickFilterList::Periods)
        for (PeriodRow& p : m_periods) p.checked = on;
    else
        for (ListRow& r : rows(list)) r.checked = on;
}

bool QuickFilterController::checked(QuickFilterList list, int row) const {
    if (row < 0 || row >= rowCount(list)) return false;
    if (list == QuickFilterList::Periods) return m_periods[size_t(row)].checked;
    return (list == QuickFilterList::Journals ? m_journals : m_documentTypes)[size_t(row)].checked;
}

int QuickFilterController::rowCount(QuickFilterList list) const {
    switch (list) {
    case QuickFilterList::Journals: return int(m_journals.size());
    case QuickFilterList::DocumentTypes: return int(m_documentTypes.size());
    case QuickFilterList::Periods: return int(m_periods.size());
    }
    return 0;
}

void QuickFilterController::setDocumentDateChoice(DateChoice choice) {
    DateRange& r = m_working.documentDates;
    r.choice = choice;
    if (choice == DateChoice::Okreslony) {
        if (r.first == 0) r.first = m_session.DANE_DATA_BIEZACA;
        if (r.second == 0) r.second = m_session.DANE_DATA_BIEZACA;
    }
}

void QuickFilterController::setBookingDateChoice(DateChoice choice) {
    DateRange& r = m_working.bookingDates;
    r.choice = choice;
    if (choice == DateChoice::Okreslony) {
        if (r.first == 0) r.first = m_session.DANE_DATA_BIEZACA;
        if (r.second == 0) r.second = m_session.DANE_DATA_BIEZACA;
    }
}

void QuickFilterController::setChosenAccount(const QString& account) {
    if (account == m_working.chosenAccount) return;
    m_working.chosenAccount = account.left(70);
    m_working.severalAccounts = false;
}

pickers::PickerContext QuickFilterController::pickerContext() const {
    return {m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYTKOWNIKA_NR,
            m_session.DANE_DATA_BIEZACA};
}

void QuickFilterController::pickDocument() {
    const int64_t id = pickers::documentPicker().DOKUMENTY_PRZEG(pickerContext(), QStringLiteral("1"));
    if (id == 0) return;
    m_working.documentId = QString::number(id);
    const int64_t count = pickers::countPickedMarks(m_db, pickers::kDocumentBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR);
    if (count > 1) {
        m_working.severalDocuments = true;
        m_working.documentText = QStringLiteral("ilość wybranych elementów: ") + QString::number(count);
    } else {
        m_working.severalDocuments = false;
        m_working.documentText =
            m_db.scalarText(QStringLiteral("select nr_dok_org from NAG_DOK where id_nag_dok=?"), {id}).value_or(QString()).left(50);
    }
}

void QuickFilterController::pickAccounts() {
    const QString account = pickers::chartOfAccountsPicker().chooseAccounts(pickerContext());
    m_session.DANE_NUMER_KONTA = account;
    if (account.isEmpty()) return;
    const int64_t count = pickers::countPickedMarks(m_db, pickers::kAccountBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR);
    if (count > 1) {
        m_working.severalAccounts = true;
        m_working.chosenAccount = QStringLiteral("ilość elementów: ") + QString::number(count);
    } else {
        m_working.severalAccounts = false;
        m_working.chosenAccount = account.left(70);
    }
}

void QuickFilterController::pickParty(pickers::PartyKind kind) {
    pickers::PartyPickers& p = pickers::partyPickers();
    const pickers::PickerContext context = pickerContext();
    const int64_t current = m_working.partyId;
    pickers::PartyChoice choice;
    QString letter;
    switch (kind) {
    case pickers::PartyKind::Contractor:
        choice = p.KONTRAHENCI(context, current, QStringLiteral("1"), QString());
        letter = QStringLiteral("K");
        break;
    case pickers::PartyKind::Employee:
        choice = p.PRACOWNICY(context, current, QStringLiteral("1"), QString());
        letter = QStringLiteral("P");
        break;
    case pickers::PartyKind::Office:
        choice = p.URZEDY(context, current, QStringLiteral("1"), QString());
        letter = QStringLiteral("U");
        break;
    }
    m_session.DANE_ID_KARTOTEKI = choice.id;
    m_session.DANE_NAZWA = choice.name;
    if (choice.id != 0) {
        m_working.partyId = choice.id;
        m_working.partyKind = letter;
        m_working.partyText = (QString::number(choice.id) + QStringLiteral(" - ") + choice.name).left(100);
    } else {
        m_working.partyId = 0;
        m_working.partyKind.clear();
        m_working.partyText.clear();
    }
}

void QuickFilterController::pickClassification() {
    const QString symbol = pickers::chartOfAccountsPicker().BT_SLOWNIK_KLASYFIKACJI(pickerContext(), pickers::MULTIWYBOR,
                                                                                   m_working.chosenClassification);
    if (symbol == pickers::MULTIWYBOR) {
        m_working.severalSymbols = true;
        m_working.chosenClassification =
            QStringLiteral("ilość elementów: ") +
            QString::number(pickers::countPickedMarks(m_db, pickers::kClassificationBrowser, m_session.DANE_ID_UZYTKOWNIKA_NR));
    } else if (symbol != m_working.chosenClassification || m_working.severalSymbols) {
        if (symbol.isEmpty()) return;
        m_working.severalSymbols = false;
        m_working.chosenClassification = symbol.left(50);
    }
}

void QuickFilterController::pickRange(DateRange& range) {
    int first = range.first, second = range.second;
    if (pickers::datePickers().GET_ZAKRES_DAT(first, second)) {
        range.first = first;
        range.second = second;
    }
}

void QuickFilterController::pickDate(DateRange& range, int which) {
    int& day = which == 1 ? range.first : range.second;
    day = pickers::datePickers().KALENDARZ(day);
}

void QuickFilterController::pickDocumentDateRange() { pickRange(m_working.documentDates); }
void QuickFilterController::pickBookingDateRange() { pickRange(m_working.bookingDates); }
void QuickFilterController::pickDocumentDate(int which) { pickDate(m_working.documentDates, which); }
void QuickFilterController::pickBookingDate(int which) { pickDate(m_working.bookingDates, which); }

void QuickFilterController::clearSettings() {
    m_working.clear();
    setAll(QuickFilterList::Journals, true);
    setAll(QuickFilterList::DocumentTypes, true);
    setAll(QuickFilterList::Periods, true);
}

std::optional<QuickFilterRefusal> QuickFilterController::validate() const {
    const QuickFilterSettings& s = m_working;
    if (noneChecked(m_journals))
        return QuickFilterRefusal{QStringLiteral("Proszę wybrać przynajmniej jeden dziennik."), QStringLiteral("LIST_DZIENNIKI")};
    if (noneChecked(m_documentTypes))
        return QuickFilterRefusal{QStringLiteral("Proszę wybrać przynajmniej jeden typ dokumentu."),
                                  QStringLiteral("LIST_TYPY_DOKUMENTOW")};
    if (s.document == DocumentChoice::Wybrany && !s.severalDocuments &&
        (s.documentId.trimmed().isEmpty() || s.documentId.trimmed() == QStringLiteral("0")))
        return QuickFilterRefusal{QStringLiteral("Proszę wybrać dokument."), QStringLiteral("B_DOKUMENT")};
    if (noneChecked(m_periods))
        return QuickFilterRefusal{QStringLiteral("Proszę wybrać przynajmniej jeden okres obrotowy."),
                                  QStringLiteral("LIST_OKRESY")};
    if (!s.sideDt && !s.sideCt)
        return QuickFilterRefusal{QStringLiteral("Proszę określić stronę zapisu."), QStringLiteral("L_STRONA_WN")};
    if (!m_accountsUsed) return std::nullopt;
    switch (s.account) {
    case AccountScope::Wszystkie:
        break;
    case AccountScope::Zakres:
        // The ends are compared as the expression compares them (padded to three
        // characters), so that "5" to "10" is a valid range.
        if (paddedRangeEnd(s.rangeFirst) > paddedRangeEnd(s.rangeSecond))
            return QuickFilterRefusal{QStringLiteral("Proszę ustalić odpowiedni zakres kont."), QStringLiteral("L_ZAKRES_KONT_1")};
        break;
    case AccountScope::Maska:
        if (s.accountMask.trimmed().isEmpty())
            return QuickFilterRefusal{QStringLiteral("Proszę określić maskę konta."), QStringLiteral("L_MASKA_KONT")};
        break;
    case AccountScope::Wybrane:
        if (s.chosenAccount.trimmed().isEmpty())
            return QuickFilterRefusal{QStringLiteral("Proszę wybrać konto."), QStringLiteral("L_WYBRANE_KONTO")};
        break;
    case AccountScope::Kartoteka:
        if (s.partyText.trimmed().isEmpty() || s.partyId == 0 || s.partyKind.trimmed().isEmpty())
            return QuickFilterRefusal{QStringLiteral("Proszę wybrać pozycje kartoteki."),
                                      QStringLiteral("L_ELEMENT_KARTOTEKI_NAZWA")};
        break;
    }
    return std::nullopt;
}

QString QuickFilterController::expression() {
    QString partyAccounts;
    if (m_accountsUsed && m_working.account == AccountScope::Kartoteka) {
        db::PassThrough pt(m_db);
        partyAccounts = pt.FUNCVAY(QStringLiteral("select dbo.TG_GetKontaKontrahenta(?,?,?,?)"),
                                   {m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_working.partyId,
                                    m_working.partyKind})
                            .value_or(QString());
    }
    const QuickFilterInput input{m_working,        m_journals,     m_documentTypes,
                                 m_periods,        m_accountsUsed, m_session.DANE_CZY_WERSJA_BUDZET == 1,
                                 m_session.DANE_ID_UZYTKOWNIKA_NR, m_session.GGG_BT_SEPARATOR, partyAccounts};
    return buildQuickFilterExpression(input);
}

bool QuickFilterController::apply() {
    m_select.clear();
    if (const auto refusal = validate()) {
        m_select = refusal->control;
        ui::dialogs().information(refusal->message, ui::TITLE_INFORMACJA);
        return false;
    }
    const QString e = expression();
    if (e.size() >= kMaxExpressionLength) {
        m_result.clear();
        ui::dialogs().warning(QStringLiteral("Wyrażenie filtrujące jest za długie."), TITLE_OSTRZEZENIE_BEZ_ODSTEPU);
        return false;
    }
    QuickFilterSettings saved = m_working;
    saved.uncheckedJournals.clear();
    saved.uncheckedDocumentTypes.clear();
    saved.uncheckedPeriods.clear();
    for (const ListRow& r : m_journals)
        if (!r.checked) saved.uncheckedJournals.insert(r.id);
    for (const ListRow& r : m_documentTypes)
        if (!r.checked) saved.uncheckedDocumentTypes.insert(r.id);
    for (const PeriodRow& p : m_periods)
        if (!p.checked) saved.uncheckedPeriods.insert(p.date);
    m_moduleWide.settings = saved;
    m_moduleWide.periodDescription = periodDescription(m_periods);
    m_result = e;
    m_applied = true;
    return true;
}

} // namespace ksiega::ledger
