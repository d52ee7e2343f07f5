#pragma once
// The help window: one for the process, showing the embedded HTML pages.
#include <QTextBrowser>
#include <QUrl>

namespace ksiega::ui {

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the page, making the window when there is none.
    static HelpWindow* showPage(const QUrl& page);
    // The window, when one is open.
    static HelpWindow* current();

private:
    HelpWindow();
};

} // namespace ksiega::ui
