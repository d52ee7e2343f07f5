#pragma once
// KONFIGURACJA_OKNA and KONFIGURACJA_OKNA_PUNKTY: the column configuration service of
// the lists, for the user of the session.
//
// KONFIGURACJA_OKNA(mode, browserId, text) -> layout text (ColumnLayout's format):
//   mode 0  forgets the stored layout (the list goes back to its default); returns "".
//   mode 1  stores `text` as the list's layout (a window closing); returns it.
//   mode 2  returns the stored layout of the list, "" when there is none.
//   mode 3  shows the configuration dialog over `text` (the list's current layout; the
//           stored one when `text` is empty), stores and returns the result; when the
//           dialog is cancelled nothing is stored and `text` comes back unchanged.
// Other modes return `text` unchanged.
//
// KONFIGURACJA_OKNA_PUNKTY(fixedColumns, browserId, 0, 0) declares how many leading
// columns of the list are fixed (the mark column, ...): the dialog keeps them first and
// visible. It stores nothing; the two reserved numbers are ignored.
#include "platform/ui/columns/ColumnConfigController.h"
#include "platform/ui/columns/ColumnLayoutStore.h"
#include <QHash>
#include <functional>

namespace ksiega::ui {

class WindowConfiguration {
public:
    // Runs the dialog over the controller; true when the user confirmed.
    using DialogRunner = std::function<bool(ColumnConfigController&)>;
    static DialogRunner qtDialog();

    WindowConfiguration(db::Database& db, int64_t userNumber, DialogRunner dialog = qtDialog());

    // Titles shown in the dialog for the columns of a list, by column name.
    void setTitles(int browserId, QHash<QString, QString> titles) { m_titles[browserId] = std::move(titles); }

    QString KONFIGURACJA_OKNA(int mode, int browserId, const QString& text);
    void KONFIGURACJA_OKNA_PUNKTY(int fixedColumns, int browserId, int reserved1 = 0, int reserved2 = 0);

private:
    ColumnLayoutStore m_store;
    int64_t m_user;
    DialogRunner m_dialog;
    QHash<int, QHash<QString, QString>> m_titles;
    QHash<int, int> m_fixed;
};

} // namespace ksiega::ui
