#include "platform/siblings/data/ErrorReporter.h"
#include "platform/db/DbError.h"
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega {

void ErrorReporter::setProcedureName(const QString& name) {
    std::lock_guard lock(m_mutex);
    m_procedure = name;
}

QString ErrorReporter::procedureName() const {
    std::lock_guard lock(m_mutex);
    return m_procedure;
}

void ErrorReporter::reportFileError(const QString& table, const db::DbError& error) {
    reportFileError(table, error.message(), error.statement());
}

void ErrorReporter::reportFileError(const QString& table, const QString& message, const QString& statement) {
    FileError e;
    {
        std::lock_guard lock(m_mutex);
        e = FileError{m_procedure, table, message.trimmed(), statement};
        m_last = e;
        ++m_count;
    }
    show(e);
}

FileError ErrorReporter::lastError() const {
    std::lock_guard lock(m_mutex);
    return m_last;
}

QString ErrorReporter::lastErrorText() const {
    std::lock_guard lock(m_mutex);
    return m_last.message;
}

int ErrorReporter::errorCount() const {
    std::lock_guard lock(m_mutex);
    return m_count;
}

QString ErrorReporter::describe(const FileError& e) {
    QString text = e.table.isEmpty() ? QStringLiteral("Błąd dostępu do bazy danych.")
                                     : QStringLiteral("Błąd dostępu do tabeli %1.").arg(e.table);
    if (!e.message.isEmpty()) text += QChar('|') + e.message;
    if (!e.procedure.isEmpty()) text += QStringLiteral("|Procedura: ") + e.procedure;
    return text;
}

void ErrorReporter::show(const FileError& e) { ui::dialogs().warning(describe(e), ui::TITLE_OSTRZEZENIE); }

} // namespace ksiega
