#pragma once
// The VAT library as the opening-balance browse calls it: REJESTR_BO shows the VAT
// register of an opening-balance document. The library in force is vatLibrary(); a test
// puts its own in place and watches the calls.
#include "platform/db/Database.h"

class QWidget;

namespace ksiega::vat {

class VatLibrary {
public:
    virtual ~VatLibrary() = default;
    // The opening-balance VAT register of the document; `approved` (zamkniete_bo) makes it
    // read only.
    virtual void REJESTR_BO(db::Database& db, int64_t idNagDok, bool approved, QWidget* parent) = 0;
};

VatLibrary& vatLibrary();
// Puts a library in place (not owned); nullptr brings our stand-in back.
void replaceVatLibrary(VatLibrary* library);

} // namespace ksiega::vat
