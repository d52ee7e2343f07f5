#include "platform/ui/help/HelpWindow.h"
#include <QPointer>

namespace ksiega::ui {

static QPointer<HelpWindow> theWindow;

HelpWindow::HelpWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HELP"));
    setWindowTitle(QStringLiteral("Pomoc"));
    setOpenLinks(true);
    setSearchPaths({QStringLiteral(":/help")});
    resize(720, 560);
}

HelpWindow* HelpWindow::showPage(const QUrl& page) {
    if (!theWindow) theWindow = new HelpWindow;
    theWindow->setSource(page);
    theWindow->show();
    theWindow->raise();
    return theWindow;
}

HelpWindow* HelpWindow::current() { return theWindow; }

} // namespace ksiega::ui
