#pragma once
// Our stand-in of the contractor library: saved filters in FILTR_LISTA (SavedFilters) and
// the contacts of KONTRAHENCI.
#include "platform/siblings/contractors/ContractorsLibrary.h"

namespace ksiega::contractors {

class ContractorsStandIn : public ContractorsLibrary {
public:
    QString FILTR_LISTA(const ContractorCaller& caller, int idBrowsera) override;
    QString GET_FILTR_LISTA(const ContractorCaller& caller, int idBrowsera, const QString& nazwa) override;
    QString UP_FILTR_LISTA_STR(const ContractorCaller& caller, int idBrowsera, const QString& wyrazenie) override;
    void KONTAKTY_KONTRAHENTA(const ContractorCaller& caller, int64_t idKontrahenta) override;
};

} // namespace ksiega::contractors
