#pragma once
// The contractor library as the module calls it: the saved filters of a list (choose,
// read, save) and the contractor's contact window. The library in force is
// contractorsLibrary(); a test puts its own in place with replaceContractorsLibrary.
//
// Every call names the connection, company and user it works for (ContractorCaller);
// the library reads nothing of the module's session.
#include "platform/db/Database.h"
#include <QString>

class QWidget;

namespace ksiega::contractors {

struct ContractorCaller {
    db::Database& db;
    int64_t idFirmy = 0;
    int64_t idUzytkownika = 0;   // user number (DANE_ID_UZYTKOWNIKA_NR)
    QWidget* parent = nullptr;
};

class ContractorsLibrary {
public:
    virtual ~ContractorsLibrary() = default;
    // "Lista filtrów": the saved filters of the list; the chosen filter's name, "" when
    // the user chose none.
    virtual QString FILTR_LISTA(const ContractorCaller& caller, int idBrowsera) = 0;
    // The expression saved under the name for the list ("" when there is none).
    virtual QString GET_FILTR_LISTA(const ContractorCaller& caller, int idBrowsera, const QString& nazwa) = 0;
    // "Zapisz filtr": asks a name and saves the expression under it; the name saved, "" when
    // the user gave up.
    virtual QString UP_FILTR_LISTA_STR(const ContractorCaller& caller, int idBrowsera, const QString& wyrazenie) = 0;
    // "Kontakty kontrahenta": the contractor's contact data in a small window.
    virtual void KONTAKTY_KONTRAHENTA(const ContractorCaller& caller, int64_t idKontrahenta) = 0;
};

ContractorsLibrary& contractorsLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceContractorsLibrary(ContractorsLibrary* library);

} // namespace ksiega::contractors
