// ksiega opening-balance-set: enters the opening amounts of one account as the amount entry
// window "Wprowadzanie kwot bilansu otwarcia" saves them, through its controller: the same
// opening steps, the same checks in the same order, one transaction. Every check question
// is answered "Anuluj", so a check that fails refuses the save; the question about changed
// settlements is answered "Tak".
#include "host/BatchSession.h"
#include "platform/runtime/EnteredAmount.h"
#include "host/MachineTable.h"
#include "host/Subcommands.h"
#include "openingbalance/entry/AmountEntryController.h"
#include "platform/runtime/Date.h"
#include "platform/server/FiscalYear.h"
#include "platform/server/OpeningBalanceDocument.h"
#include "platform/siblings/functions/FunctionsLibrary.h"
#include "platform/ui/dialogs/ScriptedDialogs.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QThread>
#include <optional>

namespace ksiega::host {

namespace {

using openingbalance::SettlementRow;
using openingbalance::SettlementState;

// One settlement of --settlements: the row it edits (id) or a new one.
struct FileSettlement {
    std::optional<int64_t> id;
    server::OpeningSettlement settlement;
};

Money amountArgument(const Arguments& args, const QString& name) {
    const QString text = args.option(name, QStringLiteral("0"));
    const auto m = parseEnteredAmount(text);
    if (!m)
        throw UsageError(QStringLiteral("--%1 must be an amount of at most %2 digits before the decimal point (1234.56 or "
                                        "\"1 234,56\"), not '%3'").arg(name).arg(kMaxEnteredDigits).arg(text));
    return *m;
}

int dateOf(const QJsonObject& o, const QString& key, int fallback, int index) {
    if (!o.contains(key)) return fallback;
    const auto d = date::parseIso(o.value(key).toString());
    if (!d) throw UsageError(QStringLiteral("settlement %1: %2 must be a date YYYY-MM-DD").arg(index).arg(key));
    return *d;
}

Money moneyOf(const QJsonObject& o, const QString& key, int index) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined()) return {};
    const QString text = v.isDouble() ? QString::number(v.toInteger()) : v.toString();
    if (v.isDouble() && double(v.toInteger()) != v.toDouble())
        throw UsageError(QStringLiteral("settlement %1: %2 with decimals must be a text (\"12.34\")").arg(index).arg(key));
    const auto m = parseEnteredAmount(text);
    if (!m)
        throw UsageError(QStringLiteral("settlement %1: %2 must be an amount of at most %3 digits before the decimal point")
                             .arg(index).arg(key).arg(kMaxEnteredDigits));
    return *m;
}

std::vector<FileSettlement> readSettlementsFile(const QString& path, int openingDate) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw UsageError(QStringLiteral("cannot read %1").arg(path));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        throw UsageError(QStringLiteral("%1 must hold a JSON array of settlements (%2)").arg(path, error.errorString()));
    functions::FunctionsLibrary& functions = functions::functionsLibrary();
    std::vector<FileSettlement> list;
    int index = 0;
    for (const QJsonValue& v : doc.array()) {
        ++index;
        const QJsonObject o = v.toObject();
        FileSettlement f;
        server::OpeningSettlement& s = f.settlement;
        if (o.contains(QLatin1String("id"))) f.id = o.value(QLatin1String("id")).toInteger();
        s.symbol = functions.ZAMIEN_SKOBKI(o.value(QLatin1String("symbol")).toString(QStringLiteral("BO")));
        const QString rodzaj = o.value(QLatin1String("rodzaj")).toString(QStringLiteral("N")).trimmed().toUpper();
        if (rodzaj != QLatin1String("N") && rodzaj != QLatin1String("Z") && rodzaj != QLatin1String("P"))
            throw UsageError(QStringLiteral("settlement %1: rodzaj must be N, Z or P").arg(index));
        s.rodzaj = rodzaj.at(0);
        const QString strona = o.value(QLatin1String("strona")).toString().trimmed();
        if (strona.compare(QLatin1String("Dt"), Qt::CaseInsensitive) == 0) s.strona = QStringLiteral("WN");
        else if (strona.compare(QLatin1String("Ct"), Qt::CaseInsensitive) == 0) s.strona = QStringLiteral("MA");
        else throw UsageError(QStringLiteral("settlement %1: strona must be Dt or Ct").arg(index));
        s.kwota = moneyOf(o, QStringLiteral("kwota"), index);
        s.kwotaW = moneyOf(o, QStringLiteral("kwota_w"), index);
        if (s.kwota < Money() || s.kwotaW < Money())
            throw UsageError(QStringLiteral("settlement %1: amounts are positive; a correction has \"korekta\": true").arg(index));
        s.dataDok = dateOf(o, QStringLiteral("data_dok"), openingDate, index);
        s.terminPlatnosci = dateOf(o, QStringLiteral("termin"), s.dataDok, index);
        if (s.rodzaj == QLatin1Char('P')) s.terminPlatnosci = s.dataDok;
        if (s.terminPlatnosci < s.dataDok)
            throw UsageError(QStringLiteral("settlement %1: Termin płatności nie może być mniejszy od daty dokumentu.").arg(index));
        s.opis = functions.ZAMIEN_SKOBKI(o.value(QLatin1String("opis")).toString());
        s.korekta = o.value(QLatin1String("korekta")).toBool(false);
        list.push_back(std::move(f));
    }
    return list;
}

// The window's sub-windows answered from the command line: "Rozrachunki" replaces the
// line's settlements by the file's list; nothing else is opened.
class CommandServices : public openingbalance::AmountEntryServices {
public:
    explicit CommandServices(std::optional<std::vector<FileSettlement>> file) : m_file(std::move(file)) {}

    void editSettlements(db::Database&, const SessionContext&, const openingbalance::LineSettlementsContext&,
                         std::vector<SettlementRow>& rows, QWidget*) override {
        if (!m_file) return;
        std::vector<SettlementRow> result;
        // Warehouse settlements belong to the warehouse system: they stay whatever the file says.
        for (const SettlementRow& r : rows)
            if (r.fromWarehouse()) result.push_back(r);
        for (const FileSettlement& f : *m_file) {
            if (!f.id || *f.id == 0) {
                result.push_back({f.settlement, SettlementState::New});
                continue;
            }
            auto read = std::find_if(rows.begin(), rows.end(), [&](const SettlementRow& r) { return r.settlement.id == *f.id; });
            if (read == rows.end()) throw UsageError(QStringLiteral("the line has no settlement with id %1").arg(*f.id));
            if (read->fromWarehouse()) continue;
            SettlementRow row = *read;
            const server::OpeningSettlement& was = read->settlement;
            server::OpeningSettlement now = f.settlement;
            now.id = was.id;
            now.aplikacjaStatus = was.aplikacjaStatus;
            now.znacznikTransakcji = was.znacznikTransakcji;
            now.idKlasyfikacja = was.idKlasyfikacja;
            now.hasClearings = was.hasClearings;
            const bool amountOrSide = now.kwota != was.kwota || now.kwotaW != was.kwotaW || now.strona != was.strona
                || now.korekta != was.korekta;
            const bool other = now.symbol != was.symbol || now.dataDok != was.dataDok || now.terminPlatnosci != was.terminPlatnosci
                || now.rodzaj != was.rodzaj || now.opis != was.opis;
            row.settlement = now;
            row.state = amountOrSide ? SettlementState::Changed : other ? SettlementState::EditedInPlace : SettlementState::AsRead;
            result.push_back(row);
        }
        rows = std::move(result);
    }
    void editPartialEntries(const openingbalance::PartialEntriesContext&, std::vector<server::PartialEntry>&, QWidget*) override {}
    bool editCostCentres(db::Database&, const QString&, const costcentres::CostCentreLine&, costcentres::CostCentreSplit&,
                         QWidget*) override {
        return false;
    }

private:
    std::optional<std::vector<FileSettlement>> m_file;
};

// Every box goes to standard error; a check question is answered "Anuluj", the question
// about changed settlements "Tak".
class CommandDialogs : public ui::ScriptedDialogs {
public:
    void information(const QString& text, const QString& title) override {
        ScriptedDialogs::information(text, title);
        print(text);
    }
    void warning(const QString& text, const QString& title) override {
        ScriptedDialogs::warning(text, title);
        print(text);
    }
    int question(const QString& text, const QString& buttons, int defaultButton, const QString& title) override {
        const bool changedSettlements = text == openingbalance::kChangedSettlementsQuestion;
        answer(changedSettlements ? 1 : ui::buttonList(buttons).size());
        const int a = ScriptedDialogs::question(text, buttons, defaultButton, title);
        if (!changedSettlements) print(text);
        return a;
    }

private:
    static void print(const QString& text) { QTextStream(stderr) << ui::messageText(text) << "\n"; }
};

int openingBalanceSet(const Arguments& args) {
    const QString account = args.option(QStringLiteral("account")).value_or(QString()).trimmed();
    if (account.isEmpty()) throw UsageError(QStringLiteral("--account is required"));
    const QString currency = currencyArgument(args);
    server::LineAmounts amounts{amountArgument(args, QStringLiteral("dt")), amountArgument(args, QStringLiteral("dt-w")),
                                amountArgument(args, QStringLiteral("ct")), amountArgument(args, QStringLiteral("ct-w"))};
    bool holdOk = true;
    const int hold = args.option(QStringLiteral("hold"), QStringLiteral("0")).toInt(&holdOk);
    if (!holdOk || hold < 0 || hold > 3600) throw UsageError(QStringLiteral("--hold must be a number of seconds from 0 to 3600"));

    BatchSession batch(args);
    SessionContext& s = batch.session();
    const int openingDate = date::openingPeriod(s.DANE_POCZATEK_ROKU);
    std::optional<std::vector<FileSettlement>> file;
    if (const auto path = args.option(QStringLiteral("settlements"))) file = readSettlementsFile(*path, openingDate);

    // A later year takes its opening balance from the closing of the year before: its entry
    // is blocked as in "Bilans otwarcia", until the service function (--unblock) opens it.
    const bool laterYear = server::hasEarlierYear(batch.db(), s.DANE_ID_FIRMY, s.DANE_POCZATEK_ROKU);
    if (laterYear && !args.given(QStringLiteral("unblock"))) {
        QTextStream(stderr) << QStringLiteral("Wprowadzanie zapisów w BO w bieżącym roku obrotowym jest zablokowane: bilans otwarcia "
                                              "pochodzi z zamknięcia roku poprzedniego (--unblock: funkcja serwisowa).") << "\n";
        return 1;
    }

    CommandDialogs dialogs;
    ui::ScopedDialogs scoped(dialogs);
    const int64_t document =
        server::PRZYGOTUJ_DOKUMENT_BO(batch.db(), s.DANE_ID_FIRMY, s.DANE_LATA_OBROTOWE, s.DANE_ID_UZYT, openingDate, openingDate, currency);
    if (document == 0) {
        QTextStream(stderr) << QStringLiteral("Wystąpił błąd przy odczycie bilansu otwarcia.") << "\n";
        return 1;
    }
    CommandServices services(std::move(file));
    openingbalance::LineRequest request;
    request.idNagDok = document;
    request.account = account;
    request.currency = currency;
    openingbalance::AmountEntryController controller(batch.db(), s, request, services);
    if (!controller.open()) return 1;
    if ((args.given(QStringLiteral("dt-w")) || args.given(QStringLiteral("ct-w"))) && !controller.currencyAmountsUsable())
        throw UsageError(QStringLiteral("--dt-w and --ct-w are for a currency account; %1 is not one").arg(account));
    for (auto field : {openingbalance::AmountField::Wn, openingbalance::AmountField::WnW, openingbalance::AmountField::Ma,
                       openingbalance::AmountField::MaW})
        if (controller.fieldEditable(field)) controller.setAmount(field, openingbalance::amountOf(amounts, field));
    controller.editSettlements(nullptr);
    if (hold > 0) QThread::sleep(hold);
    if (!controller.save()) return 1;
    QTextStream(stdout) << QStringLiteral("Zapisano kwoty bilansu otwarcia konta %1.").arg(account) << "\n";
    return 0;
}

QString settlementsHelp() {
    return QStringLiteral(
        "--settlements FILE.json replaces the settlements of the account's line by the file's list, a JSON array:\n"
        "  [{\"symbol\": \"FV/1/2026\", \"rodzaj\": \"N\", \"strona\": \"Dt\", \"kwota\": \"1200.00\", \"kwota_w\": \"0\",\n"
        "    \"data_dok\": \"2026-01-01\", \"termin\": \"2026-01-15\", \"opis\": \"...\", \"korekta\": false, \"id\": 12}]\n"
        "  rodzaj: N należność, Z zobowiązanie, P płatność (its due date is its document date); strona: Dt or Ct;\n"
        "  amounts as texts, positive (a correction, \"korekta\": true, counts against its side); data_dok defaults\n"
        "  to the opening-balance date, termin to data_dok, symbol to \"BO\".\n"
        "  id: keep or edit the line's settlement with that id (a change of amount, currency amount, side or\n"
        "  correction removes its clearings; other changes keep them); without id a new settlement. The line's\n"
        "  settlements not in the file are removed, except those of the warehouse system, which always stay.\n"
        "Exit codes: 0 saved; 1 refused (the system's text on standard error, nothing written); 2 usage.\n");
}

} // namespace

KSIEGA_SUBCOMMAND(QStringLiteral("opening-balance-set"),
                  QStringLiteral("enter the opening amounts of an account as the amount entry window saves them"), QString(),
                  options::sessionOfCompanyAndYear() +
                      Options{options::account().required(), options::currency(),
                              Option::value("dt", "AMOUNT", "Kwota Dt in PLN").required(),
                              Option::value("ct", "AMOUNT", "Kwota Ct in PLN").required(),
                              Option::value("dt-w", "AMOUNT", "Kwota Dt in the currency (currency accounts)"),
                              Option::value("ct-w", "AMOUNT", "Kwota Ct in the currency (currency accounts)"),
                              Option::value("settlements", "FILE.json", "the line's settlements (below)"),
                              Option::value("hold", "SECONDS", "keep the line claimed this long before saving").defaultsTo("0"),
                              Option::flag("unblock", "a later year: open its opening balance for entry, as the service "
                                                      "function of \"Bilans otwarcia\" does (an approved one stays closed)")},
                  openingBalanceSet, {}, settlementsHelp);

} // namespace ksiega::host
