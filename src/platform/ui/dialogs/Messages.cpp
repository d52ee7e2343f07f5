#include "platform/ui/dialogs/Messages.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega {

void MSG_INF(const QString& text) { ui::dialogs().information(text, ui::TITLE_INFORMACJA); }
void MSG_OST(const QString& text) { ui::dialogs().warning(text, ui::TITLE_OSTRZEZENIE); }

} // namespace ksiega
