#include "budget/quickfilter/BudgetFilterSettings.h"
#include "frame/lifecycle/ModuleState.h"
#include "platform/ui/settings/Settings.h"
#include <algorithm>

namespace ksiega::budget {

namespace {

const QString& S = BT_SZYBKI_FILTR_SECTION;

template <class Set>
QString idList(const Set& ids) {
    QStringList out;
    for (auto id : ids) out << QString::number(id);
    return out.join(QChar(','));
}

template <class T>
std::set<T> idSet(const QString& text) {
    std::set<T> out;
    for (const QString& t : text.split(QChar(','), Qt::SkipEmptyParts)) out.insert(T(t.toLongLong()));
    return out;
}

void storeRange(Settings& s, const QString& key, const DateRange& r) {
    s.setInt(S, key, int(r.choice));
    s.setInt(S, key + QStringLiteral("_1"), r.first);
    s.setInt(S, key + QStringLiteral("_2"), r.second);
}

DateRange restoreRange(const Settings& s, const QString& key) {
    DateRange r;
    r.choice = s.getInt(S, key) == 1 ? DateChoice::Okreslony : DateChoice::Dowolny;
    r.first = int(s.getInt(S, key + QStringLiteral("_1")));
    r.second = int(s.getInt(S, key + QStringLiteral("_2")));
    return r;
}

void storePart(Settings& s, const QString& key, const MaskPart& p) {
    s.setText(S, key, p.text);
    s.setBool(S, key + QStringLiteral("_dowolny"), p.any);
}

MaskPart restorePart(const Settings& s, const QString& key) {
    return {s.getText(S, key), s.getBool(S, key + QStringLiteral("_dowolny"), true)};
}

} // namespace

void BudgetFilterSettings::store(Settings& s) const {
    for (int i = 0; i < ExpenditureFlagCount; ++i) s.setBool(S, QStringLiteral("wydatki_%1").arg(i), expenditure[size_t(i)]);
    for (int i = 0; i < RevenueFlagCount; ++i) s.setBool(S, QStringLiteral("dochody_%1").arg(i), revenue[size_t(i)]);
    s.setInt(S, QStringLiteral("klasyfikacja"), int(classification));
    storePart(s, QStringLiteral("dzial"), dzial);
    storePart(s, QStringLiteral("rozdzial"), rozdzial);
    storePart(s, QStringLiteral("paragraf"), paragraf);
    storePart(s, QStringLiteral("pozycja"), pozycja);
    s.setText(S, QStringLiteral("wybrana_klasyfikacja"), chosenClassification);
    s.setBool(S, QStringLiteral("wiele_klasyfikacji"), severalSymbols);
    storeRange(s, QStringLiteral("data_dok"), documentDates);
    storeRange(s, QStringLiteral("data_ksieg"), bookingDates);
    s.setInt(S, QStringLiteral("rok"), year);
    s.setText(S, QStringLiteral("dzienniki"), idList(uncheckedJournals));
    s.setText(S, QStringLiteral("typy"), idList(uncheckedDocumentTypes));
    s.setText(S, QStringLiteral("okresy"), idList(uncheckedPeriods));
    s.setBool(S, QStringLiteral("strona_wn"), sideDt);
    s.setBool(S, QStringLiteral("strona_ma"), sideCt);
    s.setInt(S, QStringLiteral("konto"), int(account));
    s.setText(S, QStringLiteral("zakres_1"), rangeFirst);
    s.setText(S, QStringLiteral("zakres_2"), rangeSecond);
    s.setText(S, QStringLiteral("maska_konta"), accountMask);
    s.setText(S, QStringLiteral("wybrane_konto"), chosenAccount);
    s.setBool(S, QStringLiteral("wiele_kont"), severalAccounts);
    const BudgetExportForm& f = exportForm;
    s.setText(S, QStringLiteral("eksport_typ"), f.side);
    s.setText(S, QStringLiteral("eksport_rodzaj"), f.format);
    s.setBool(S, QStringLiteral("eksport_kwartaly"), f.byQuarters);
    s.setBool(S, QStringLiteral("narastajaco_kwartal"), f.cumulativeInQuarter);
    s.setBool(S, QStringLiteral("narastajaco_rok"), f.cumulativeInYear);
    s.setInt(S, QStringLiteral("zaokraglenie"), int(f.rounding));
    s.setText(S, QStringLiteral("katalog"), f.folder);
}

void BudgetFilterSettings::restore(const Settings& s) {
    BudgetFilterSettings d;
    for (int i = 0; i < ExpenditureFlagCount; ++i) d.expenditure[size_t(i)] = s.getBool(S, QStringLiteral("wydatki_%1").arg(i), true);
    for (int i = 0; i < RevenueFlagCount; ++i) d.revenue[size_t(i)] = s.getBool(S, QStringLiteral("dochody_%1").arg(i), true);
    d.classification = s.getInt(S, QStringLiteral("klasyfikacja")) == 1 ? ClassificationChoice::Wybrana : ClassificationChoice::Maska;
    d.dzial = restorePart(s, QStringLiteral("dzial"));
    d.rozdzial = restorePart(s, QStringLiteral("rozdzial"));
    d.paragraf = restorePart(s, QStringLiteral("paragraf"));
    d.pozycja = restorePart(s, QStringLiteral("pozycja"));
    d.chosenClassification = s.getText(S, QStringLiteral("wybrana_klasyfikacja")).left(50);
    d.severalSymbols = s.getBool(S, QStringLiteral("wiele_klasyfikacji"));
    d.documentDates = restoreRange(s, QStringLiteral("data_dok"));
    d.bookingDates = restoreRange(s, QStringLiteral("data_ksieg"));
    d.year = s.getInt(S, QStringLiteral("rok"), -1);
    d.uncheckedJournals = idSet<int64_t>(s.getText(S, QStringLiteral("dzienniki")));
    d.uncheckedDocumentTypes = idSet<int64_t>(s.getText(S, QStringLiteral("typy")));
    d.uncheckedPeriods = idSet<int>(s.getText(S, QStringLiteral("okresy")));
    d.sideDt = s.getBool(S, QStringLiteral("strona_wn"), true);
    d.sideCt = s.getBool(S, QStringLiteral("strona_ma"), true);
    d.account = AccountScope(std::clamp<int64_t>(s.getInt(S, QStringLiteral("konto")), 0, 3));
    d.rangeFirst = s.getText(S, QStringLiteral("zakres_1"));
    d.rangeSecond = s.getText(S, QStringLiteral("zakres_2"));
    d.accountMask = s.getText(S, QStringLiteral("maska_konta"));
    d.chosenAccount = s.getText(S, QStringLiteral("wybrane_konto"));
    d.severalAccounts = s.getBool(S, QStringLiteral("wiele_kont"));
    BudgetExportForm& f = d.exportForm;
    f.side = s.getText(S, QStringLiteral("eksport_typ"), QStringLiteral("W")) == QStringLiteral("D") ? QStringLiteral("D") : QStringLiteral("W");
    const QString format = s.getText(S, QStringLiteral("eksport_rodzaj"), QStringLiteral("BESTIA"));
    f.format = QStringList{"BESTIA", "JB", "JST"}.contains(format) ? format : QStringLiteral("BESTIA");
    f.byQuarters = s.getBool(S, QStringLiteral("eksport_kwartaly"));
    f.cumulativeInQuarter = s.getBool(S, QStringLiteral("narastajaco_kwartal"));
    f.cumulativeInYear = s.getBool(S, QStringLiteral("narastajaco_rok"));
    f.rounding = ExportRounding(std::clamp<int64_t>(s.getInt(S, QStringLiteral("zaokraglenie")), 0, 2));
    f.folder = s.getText(S, QStringLiteral("katalog"));
    *this = d;
}

BudgetFilterState& budgetFilterState() {
    return moduleState().state<BudgetFilterState>();
}

} // namespace ksiega::budget
