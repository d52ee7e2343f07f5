#pragma once
// The error object: file errors (a failed statement, a missing table) are reported
// here with the name of the procedure that was running and the engine's own text. The
// module has its own, which shows the error in a warning box; a host may hand over its
// own object (a subclass overriding show()) to KSIEGA_INIT.
#include <QString>
#include <mutex>

namespace ksiega::db { class DbError; }

namespace ksiega {

struct FileError {
    QString procedure;   // the procedure that was running (setProcedureName)
    QString table;       // the table or view, when known
    QString message;     // the engine's error text
    QString statement;   // the statement that failed, when known
};

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;

    void setProcedureName(const QString& name);
    QString procedureName() const;

    void reportFileError(const QString& table, const db::DbError& error);
    void reportFileError(const QString& table, const QString& message, const QString& statement = {});

    // The last file error (its text is what MSG_OST shows after a failed statement).
    FileError lastError() const;
    QString lastErrorText() const;
    int errorCount() const;

    // The text shown for a file error.
    static QString describe(const FileError& error);

protected:
    // Shows the error: the module's own object shows a warning box (Dialogs).
    virtual void show(const FileError& error);

private:
    mutable std::mutex m_mutex;
    QString m_procedure;
    FileError m_last;
    int m_count = 0;
};

} // namespace ksiega
