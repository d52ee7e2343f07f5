#include "settlements/assignment/AssignmentController.h"
#include "platform/server/settlements/AccountChoice.h"
#include "platform/siblings/documents/DocumentDescriptions.h"
#include "platform/siblings/pickers/ChartOfAccountsPicker.h"
#include "platform/ui/dialogs/Dialogs.h"
#include "platform/ui/dialogs/Messages.h"
#include "settlements/shared/SettlementTexts.h"

namespace ksiega::settlements {

AssignmentController::AssignmentController(db::Database& db, SessionContext& session, SettlementServices& services,
                                           int64_t idPaczka)
    : SettlementChoiceController(db, session, services), m_paczka(idPaczka) {}

bool AssignmentController::open() {
    if (!m_session.hasCompanyAndYear()) return false;
    m_journal = texts::DZIENNIK + QLatin1Char(' ') +
                m_db.scalarText(QStringLiteral("select kod_paczki || ' ' || opis_paczki from PACZKA where id_paczka=? and id_firmy=?"),
                                {m_paczka, m_session.DANE_ID_FIRMY})
                    .value_or(QString())
                    .trimmed();
    balanceDateOption().saldoNaDzien = false;
    m_ledger = true;          // the list reads ROZRACHUNEK_VIEW, the source is ROZRACHUNEK_BILANTOR_V
    m_balanceVisible = true;
    m_types.clear();
    db::Rows r = m_db.select(QStringLiteral("select t.sym_typ_dok_uz, t.naz_typ_dok_uz, t.id_typ_dok from PACZKA_TYPDOK a "
                                            "inner join TYP_DOK t on a.id_typ_dok=t.id_typ_dok where a.id_paczka=? "
                                            "order by t.sym_typ_dok_uz, t.id_typ_dok"),
                             {m_paczka});
    while (r.next()) m_types.push_back({r.int64(2), r.text(0).trimmed(), r.text(1).trimmed()});
    if (m_types.empty()) {
        MSG_INF(texts::NO_DOCUMENT_TYPES);
        return false;
    }
    m_type = 0;
    return true;
}

void AssignmentController::setTypeIndex(int index) {
    if (index >= 0 && index < int(m_types.size())) m_type = index;
    notify();
}

int64_t AssignmentController::documentTypeId() const { return m_type >= 0 ? m_types[size_t(m_type)].id : 0; }

void AssignmentController::setDescription(const QString& text) {
    m_opis = text.left(50);
    notify();
}

void AssignmentController::pickDescription() {
    setDescription(documents::documentDescriptions().OPISY_DOKUMENTOW(m_db, m_session.DANE_ID_FIRMY, QStringLiteral("D"), m_opis,
                                                                       nullptr));
}

void AssignmentController::setAccount(AccountSide side, const QString& text) {
    (side == AccountSide::Dt ? m_kontoWn : m_kontoMa) = text.left(50);
    notify();
}

QString AssignmentController::chooseFromChart(const QString& preset) {
    // The chart of accounts opens on DANE_NUMER_KONTA and leaves its choice there.
    m_session.DANE_NUMER_KONTA = preset;
    struct Clear {
        SessionContext& s;
        ~Clear() { s.DANE_NUMER_KONTA.clear(); }
    } clear{m_session};
    return pickers::chartOfAccountsPicker().chooseAccounts(pickerContext()).trimmed();
}

void AssignmentController::typeAccount(AccountSide side, const QString& text) {
    setAccount(side, text);
    if (text.trimmed().isEmpty()) return;
    const server::AccountTextKind kind =
        server::accountTextKind(m_db, m_session.DANE_ID_FIRMY, m_session.DANE_LATA_OBROTOWE, text);
    if (kind == server::AccountTextKind::PostingAccount) {
        setAccount(side, text.trimmed());
        return;
    }
    const QString chosen = chooseFromChart(text.trimmed());
    if (!chosen.isEmpty()) setAccount(side, chosen);
}

void AssignmentController::pickAccount(AccountSide side) {
    const QString chosen = chooseFromChart(account(side).trimmed());
    if (!chosen.isEmpty()) setAccount(side, chosen);
}

SettlementChoice AssignmentController::choice() const {
    SettlementChoice c;
    c.mode = modeText();
    return c;
}

ChosenSource AssignmentController::listSource() const { return {true, 0}; }

QString AssignmentController::resultTitle() const { return texts::RAPORT + QStringLiteral(" - ") + texts::DOCUMENT_CAPTION; }

void AssignmentController::finish() {
    if (m_chosen.isEmpty()) {
        MSG_INF(texts::CHOOSE_SETTLEMENTS);
        return;
    }
    server::SettlementDocumentRequest request;
    request.idFirmy = m_session.DANE_ID_FIRMY;
    request.idLataObrot = m_session.DANE_LATA_OBROTOWE;
    request.userNumber = m_session.DANE_ID_UZYTKOWNIKA_NR;
    request.idTypDok = documentTypeId();
    request.idPaczka = m_paczka;
    request.dataOkresu = m_session.DANE_DATA_OKRESU;
    request.dataBiezaca = m_session.DANE_DATA_BIEZACA;
    request.opis = m_opis.trimmed();
    request.kontoWn = m_kontoWn.trimmed();
    request.kontoMa = m_kontoMa.trimmed();

    int64_t document = 0;
    QString failure;
    {
        ui::BusyCursor busy;
        setWait(texts::WAIT_GENERATE);
        try {
            document = m_services.makeDocument(m_db, request);
        } catch (const db::DbError& e) {
            failure = e.message();
        }
        setWait(QString());
    }
    if (!failure.isEmpty()) {
        MSG_OST(texts::DOCUMENT_FAILED + failure);
        return;
    }
    m_document = document;
    const QString number =
        m_db.scalarText(QStringLiteral("select nr_dok_org from NAG_DOK where id_nag_dok=?"), {document}).value_or(QString()).trimmed();
    const int64_t lines = m_db.scalarInt(QStringLiteral("select count(*) from POZ_DOK where id_nag_dok=?"), {document}).value_or(0);
    m_result.clear();
    m_result.add(texts::RESULT_DOCUMENT, number);
    m_result.add(texts::RESULT_LINES, QString::number(lines));
    m_chosen.clear();
    notify();
    MSG_INF(texts::GENERATED_1 + number + texts::GENERATED_2);
}

} // namespace ksiega::settlements
