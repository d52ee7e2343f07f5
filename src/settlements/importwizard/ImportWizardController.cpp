#include "settlements/importwizard/ImportWizardController.h"
#include "platform/runtime/Date.h"
#include <QRegularExpression>
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"
#include "settlements/shared/SettlementTexts.h"

namespace ksiega::settlements {

ImportWizardController::ImportWizardController(db::Database& db, SessionContext& session, SettlementServices& services,
                                               ImportParameters parameters)
    : SettlementChoiceController(db, session, services), m_parameters(std::move(parameters)) {}

bool ImportWizardController::open() {
    if (!m_session.hasCompanyAndYear()) return false;
    if (m_ledger) {
        balanceDateOption().saldoNaDzien = false;
        m_sourceView = QStringLiteral("ROZRACHUNEK_BILANTOR_V");
        m_balanceVisible = false;
    } else {
        m_ogranicz = false;
        m_sourceView = QStringLiteral("ROZRACHUNEK_TOVARIX_V");
        m_balanceVisible = true;
        if (balanceDateOption().dataSalda == 0) balanceDateOption().dataSalda = m_session.DANE_POCZATEK_ROKU;
    }
    return true;
}

QString ImportWizardController::accountText() const { return texts::KONTO_KSIEGOWE + QLatin1Char(' ') + m_parameters.title.trimmed(); }

QString ImportWizardController::cardFilter() const {
    const QString symbol = QString(m_parameters.cardSymbol).remove(QRegularExpression(QStringLiteral("\\s+$")));
    if (symbol.isEmpty()) return {};
    return m_db
        .scalarText(QStringLiteral("select filtr_kartoteka from KARTOTEKA_UZYTKOWNIKA where id_firmy=? and symbol_kartoteki=?"),
                    {m_session.DANE_ID_FIRMY, symbol})
        .value_or(QString());
}

SettlementChoice ImportWizardController::choice() const {
    SettlementChoice c;
    c.mode = modeText();
    c.account = m_parameters.account.trimmed();
    c.cardAccount = cardAccount();
    c.cardFilter = cardAccount() ? cardFilter() : QString();
    return c;
}

QString ImportWizardController::resultTitle() const { return texts::RAPORT + QStringLiteral(" - ") + texts::WIZARD_CAPTION; }

void ImportWizardController::finish() {
    if (m_chosen.isEmpty()) return;
    const int openingDate = date::fromYmd(date::year(m_session.DANE_POCZATEK_ROKU), date::month(m_session.DANE_POCZATEK_ROKU), 1);
    const QString account = m_parameters.account.trimmed();

    // The documents of the currencies and the import are one transaction: an import that
    // brings nothing leaves no empty opening-balance document behind. Messages wait until
    // it has ended.
    server::SettlementImportResult outcome;
    QStringList currencies;
    QString failure;
    {
        ui::BusyCursor busy;
        setWait(texts::WAIT_PREPARE);
        try {
            db::Transaction tx(m_db);
            currencies = m_chosen.currenciesToImport(m_sourceView);
            for (const QString& currency : currencies) {
                const int64_t document = m_services.prepareOpeningDocument(
                    m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, m_session.DANE_ID_UZYT, openingDate, currency);
                if (document == 0)
                    throw db::DbError(QStringLiteral("Brak dokumentu bilansu otwarcia w walucie %1.").arg(currency));
            }
            if (!currencies.isEmpty()) {
                setWait(texts::WAIT_IMPORT);
                server::SettlementImportRequest request;
                request.idFirmy = m_session.DANE_ID_FIRMY;
                request.idLataObrot = m_session.DANE_LATA_OBROTOWE;
                request.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
                request.konto = account;
                request.kartoteka = cardAccount();
                request.filtrKartoteki = request.kartoteka ? cardFilter() : QString();
                request.opcjaImportu = m_parameters.importOption;
                outcome = m_ledger ? m_services.importLedger(m_db, request)
                                   : m_services.importWarehouse(m_db, request, balanceDateOption().effectiveDate());
                if (outcome.imported > 0) tx.commit();
            }
        } catch (const db::DbError& e) {
            failure = e.message();
        }
        setWait(QString());
    }
    if (!failure.isEmpty()) {
        MSG_OST(texts::IMPORT_FAILED + failure);
        return;
    }
    m_result.clear();
    m_result.add(texts::RESULT_ACCOUNT, account);
    if (!currencies.isEmpty()) m_result.add(texts::RESULT_CURRENCIES, currencies.join(QStringLiteral(", ")));
    m_result.add(texts::RESULT_IMPORTED, QString::number(outcome.imported));
    if (outcome.skippedLocked) m_result.add(texts::RESULT_SKIPPED, QString::number(outcome.skippedLocked));
    notify();
    if (outcome.imported == 0) {
        MSG_INF(texts::NOTHING_TO_IMPORT);
        return;
    }
    m_imported = true;
    m_chosen.clear();
    notify();
    MSG_INF(texts::IMPORT_DONE_1 + account + texts::IMPORT_DONE_2);
}

} // namespace ksiega::settlements
