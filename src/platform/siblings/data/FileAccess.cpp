#include "platform/siblings/data/FileAccess.h"
#include "platform/siblings/data/Globals.h"
#include <QTextStream>

namespace ksiega {

void reportFileError(const QString& table, const db::DbError& error) {
    if (ErrorReporter* errors = errorObject()) {
        errors->reportFileError(table, error);
        return;
    }
    QTextStream(stderr) << ErrorReporter::describe({{}, table, error.message(), error.statement()}).replace('|', '\n')
                        << '\n';
}

bool fileAccess(const QString& table, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const db::DbError& e) {
        reportFileError(table, e);
        return false;
    }
}

QString fileErrorText() {
    ErrorReporter* errors = errorObject();
    return errors ? errors->lastErrorText() : QString();
}

} // namespace ksiega
