#pragma once
// The rules of "Dodawanie nowego dokumentu" (PRZYPISZ_ROZRACHUNKI): a new ledger document in
// a journal made of chosen settlements. The journal's document types, the description and
// the accounts of both sides (SZUKAJ_KONTA mode 10, the chart of accounts), the choice of
// settlements as the import wizard has it, and "Zakończ": the server's
// TG_PODLACZ_ROZRACHUNKI_DO_POZYCJI. QtCore only.
#include "settlements/shared/SettlementChoiceController.h"
#include <vector>

namespace ksiega::settlements {

struct DocumentType {
    int64_t id = 0;
    QString symbol;   // sym_typ_dok_uz
    QString name;     // naz_typ_dok_uz
};

enum class AccountSide { Dt, Ct };

class AssignmentController : public SettlementChoiceController {
public:
    static inline const QString PROCEDURE = QStringLiteral("PRZYPISZ_ROZRACHUNKI");
    static inline const QString SECTION = QStringLiteral("Przypisz_rozrachunki");

    AssignmentController(db::Database& db, SessionContext& session, SettlementServices& services, int64_t idPaczka);

    // False without a company or year, or when the journal takes no document type (the
    // reason is shown): the window does not open.
    bool open();
    QString journalText() const { return m_journal; }    // TXT_DZIENNIK

    const std::vector<DocumentType>& documentTypes() const { return m_types; }
    int typeIndex() const { return m_type; }
    void setTypeIndex(int index);
    int64_t documentTypeId() const;

    QString description() const { return m_opis; }           // DOK_OPIS
    void setDescription(const QString& text);
    // B_OPIS: the standard descriptions of the documents library.
    void pickDescription();

    QString account(AccountSide side) const { return side == AccountSide::Dt ? m_kontoWn : m_kontoMa; }
    // What the person typed into KONTO_WN / KONTO_MA: held as typed when it is exactly a
    // posting account, else the chart of accounts opens preset with it and its choice
    // replaces the text.
    void typeAccount(AccountSide side, const QString& text);
    // B_WN / B_MA: the chart of accounts for that field.
    void pickAccount(AccountSide side);

    bool finishEnabled() const override { return true; }
    // The settlements window always opens in the ledger's view for this window.
    QString modeText() const override { return QStringLiteral("121"); }
    // The new document's id once one was made (0 before).
    int64_t documentId() const { return m_document; }

protected:
    void finish() override;
    QString resultTitle() const override;
    SettlementChoice choice() const override;
    ChosenSource listSource() const override;

private:
    void setAccount(AccountSide side, const QString& text);
    QString chooseFromChart(const QString& preset);

    int64_t m_paczka;
    QString m_journal;
    std::vector<DocumentType> m_types;
    int m_type = -1;
    QString m_opis, m_kontoWn, m_kontoMa;
    int64_t m_document = 0;
};

} // namespace ksiega::settlements
