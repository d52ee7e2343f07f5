#pragma once
// The host's main window: the menu of the module's procedures, the session in the status
// bar and a short overview of the year. Rules sit in MainWindowController.
#include "host/gui/MainWindowController.h"
#include <QMainWindow>

class QLabel;

namespace ksiega::host {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(db::Database& db, SessionContext& session, const ProcedureCatalogue& catalogue, QWidget* parent = nullptr);
    // Shows the session and the overview again (after a procedure or a session change).
    void refresh();

private:
    void buildMenu();
    void changeSession();
    void runProcedure(const QString& name);
    void warn(const QString& text);

    db::Database& m_db;
    SessionContext& m_session;
    MainWindowController m_controller;
    QLabel* m_overview;
    std::vector<QLabel*> m_statusLabels;
};

} // namespace ksiega::host
