#pragma once
// The rules of the document window of the documents library's stand-in: the header of a
// ledger document, its lines (paged), and in correction mode the change of a line's
// description and amounts, saved in one transaction after which the turnovers of the
// company and year are recomputed.
//
// The window works under the document's lock (BLOKADY_DOKUMENTOW): correction mode
// takes it for the user (and falls back to view only when another user holds it);
// close() releases the user's lock of the document whichever mode the window had, so a
// lock taken before the window opened does not outlive it.
#include "platform/runtime/Money.h"
#include "platform/siblings/documents/DocumentsLibrary.h"
#include "platform/ui/list/PagedListModel.h"
#include <map>
#include <memory>
#include <optional>

namespace ksiega::documents {

struct DocumentHeader {
    int64_t idNagDok = 0;
    int64_t idFirmy = 0;
    int64_t idLataObrot = 0;
    QString nrEwidDok, nrDokOrg, nrSysDok, sygnatura, opis, waluta;
    int dataBiezaca = 0, dataDokOrg = 0, dataOkresu = 0, dataOperGosp = 0;
    int status = 0;
    int czyRk = 0;
};

struct DocumentLine {
    int64_t idPozDok = 0;
    int lp = 0;
    QString kontoWn, kontoMa, opis, waluta;
    Money kwotaWn, kwotaMa;
};

class DocumentWindowController {
public:
    static constexpr int OPIS_MAX = 250;

    DocumentWindowController(db::Database& db, QString login, int64_t idNagDok, int mode, int64_t idPozDok = 0);
    ~DocumentWindowController();   // closes

    // Reads the header and, in correction mode, takes the lock. False when there is no
    // such document (the window then does not open).
    bool open();
    // A text the window shows once it opens ("" = none): why correction became view only.
    const QString& notice() const { return m_notice; }

    const DocumentHeader& header() const { return m_header; }
    bool editable() const { return m_editable; }
    QString caption() const;
    // The header as label/value pairs, in the order the window shows them.
    QVector<QPair<QString, QString>> headerFields() const;

    ui::PagedListModel& lines() { return *m_lines; }
    // The row the window starts on: the line asked for when it is held, else 0.
    int initialRow() const;
    // A line as the window shows it: stored values with the user's unsaved changes.
    DocumentLine line(int row) const;
    std::optional<DocumentLine> changedLine(int64_t idPozDok) const;

    // Changes a line (texts as typed: amounts "1 234,56"). Returns "" when accepted,
    // otherwise the reason, and nothing changes.
    QString changeLine(int row, const QString& opis, const QString& kwotaWn, const QString& kwotaMa);
    bool modified() const { return !m_changes.empty(); }
    void discardChanges() { m_changes.clear(); }

    // Writes the changes and recomputes the turnovers, all in one transaction. Returns ""
    // on success (also when nothing changed), otherwise the reason; nothing is saved then.
    QString save();
    bool saved() const { return m_saved; }

    // Releases the user's lock of the document; safe to call twice.
    void close();
    // What UP_DOKUMENTY answers: 1 when changes were saved.
    int result() const { return m_saved ? 1 : 0; }

private:
    DocumentLine storedLine(int row) const;

    db::Database& m_db;
    QString m_login;
    int64_t m_idNagDok;
    int m_mode;
    int64_t m_idPozDok;
    DocumentHeader m_header;
    std::unique_ptr<ui::PagedListModel> m_lines;
    std::map<int64_t, DocumentLine> m_changes;
    QString m_notice;
    bool m_opened = false;
    bool m_closed = false;
    bool m_editable = false;
    bool m_saved = false;
};

} // namespace ksiega::documents
