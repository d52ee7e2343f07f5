#pragma once
// The rules of the wizard "Import rozrachunków do BO" (IMPORT_ROZRACHUNKOW) for one account:
// where the settlements come from (GGG:ISTOVARIX), the choice and its list, and "Zakończ":
// the opening-balance documents of the needed currencies, then the server's import of the
// marked settlements. QtCore only.
#include "settlements/shared/SettlementChoiceController.h"

namespace ksiega::settlements {

struct ImportParameters {
    QString title;         // account number, a blank, account name
    QString cardSymbol;    // up to 10 characters
    QString cardFlag;      // "0" or "1"
    QString account;
    uint8_t importOption = 0;
};

class ImportWizardController : public SettlementChoiceController {
public:
    static inline const QString PROCEDURE = QStringLiteral("IMPORT_ROZRACHUNKOW");
    static inline const QString SECTION = QStringLiteral("Import_rozrachunkow");

    ImportWizardController(db::Database& db, SessionContext& session, SettlementServices& services, ImportParameters parameters);

    // False without a company or a fiscal year: the window does not open.
    bool open();
    const ImportParameters& parameters() const { return m_parameters; }
    QString accountText() const;        // TXT_KONTO
    QString sourceView() const { return m_sourceView; }
    bool cardAccount() const { return m_parameters.cardFlag.trimmed() == QStringLiteral("1"); }
    // KARTOTEKA_UZYTKOWNIKA.filtr_kartoteka of the card symbol ("" when there is none).
    QString cardFilter() const;

    // 1 once an import brought something into the opening balance.
    uint8_t result() const { return m_imported ? 1 : 0; }

protected:
    void finish() override;
    QString resultTitle() const override;
    SettlementChoice choice() const override;

private:
    ImportParameters m_parameters;
    QString m_sourceView;
    bool m_imported = false;
};

} // namespace ksiega::settlements
