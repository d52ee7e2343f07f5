#include "platform/siblings/contractors/ContractorsStandIn.h"
#include "platform/siblings/contractors/ContractorContacts.h"
#include "platform/siblings/contractors/SaveFilterDialog.h"
#include "platform/siblings/contractors/SavedFilterChooser.h"
#include "platform/ui/dialogs/Dialogs.h"
#include <atomic>

namespace ksiega::contractors {

QString ContractorsStandIn::FILTR_LISTA(const ContractorCaller& caller, int idBrowsera) {
    SavedFilterChooserController controller(caller.db, caller.idFirmy, caller.idUzytkownika, idBrowsera);
    SavedFilterChooser window(controller, caller.parent);
    return window.exec() == QDialog::Accepted ? controller.chosen() : QString();
}

QString ContractorsStandIn::GET_FILTR_LISTA(const ContractorCaller& caller, int idBrowsera, const QString& nazwa) {
    return SavedFilters(caller.db, caller.idFirmy, caller.idUzytkownika).expression(idBrowsera, nazwa).value_or(QString());
}

QString ContractorsStandIn::UP_FILTR_LISTA_STR(const ContractorCaller& caller, int idBrowsera, const QString& wyrazenie) {
    SavedFilters store(caller.db, caller.idFirmy, caller.idUzytkownika);
    SaveFilterController controller(store, idBrowsera, wyrazenie);
    SaveFilterDialog window(controller, caller.parent);
    return window.exec() == QDialog::Accepted ? controller.savedName() : QString();
}

void ContractorsStandIn::KONTAKTY_KONTRAHENTA(const ContractorCaller& caller, int64_t idKontrahenta) {
    ContractorContactsController controller(caller.db, caller.idFirmy, idKontrahenta);
    if (idKontrahenta == 0 || !controller.load()) {
        ui::dialogs().information(MSG_BRAK_KONTRAHENTA);
        return;
    }
    ContractorContactsWindow window(controller, caller.parent);
    window.exec();
}

namespace {
std::atomic<ContractorsLibrary*> g_replacement{nullptr};
} // namespace

ContractorsLibrary& contractorsLibrary() {
    if (ContractorsLibrary* r = g_replacement.load()) return *r;
    static ContractorsStandIn standIn;
    return standIn;
}

void replaceContractorsLibrary(ContractorsLibrary* library) { g_replacement.store(library); }

} // namespace ksiega::contractors
