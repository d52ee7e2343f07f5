#pragma once
// The body of an entry window's procedure: the libraries in force as its services, the
// controller over them opened with the stored switches, the view, the stored column
// layouts of its lists, the modal loop, and the switches stored again.
#include "entries/services/ProductionWindowServices.h"
#include "frame/SessionContext.h"
#include "frame/database/ModuleDatabase.h"
#include "frame/window/WindowProcedure.h"

namespace ksiega::entries {

template <class Controller, class View>
void runEntryWindow(WindowProcedure& window, ProductionWindowServices::QuickFilterProcedure quickFilter) {
    ProductionWindowServices services(moduleDatabase(), session(), std::move(quickFilter));
    Controller controller(moduleDatabase(), session(), services);
    controller.open(window.switches());
    View view(controller);
    services.attach(&view, controller.lists());
    window.attach(&view);
    view.exec();
    controller.storeSwitches(window.switches());
}

} // namespace ksiega::entries
