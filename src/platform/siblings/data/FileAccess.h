#pragma once
// The file managers' side of error reporting: a database step on a table either works or
// its failure is reported through the global error object as a file error of that table,
// and the caller learns that it failed. Without an error object the failure goes to
// standard error; it is never dropped.
#include "platform/db/DbError.h"
#include <QString>
#include <functional>
#include <optional>

namespace ksiega {

void reportFileError(const QString& table, const db::DbError& error);

// Runs step; true when it worked, false after its DbError was reported.
bool fileAccess(const QString& table, const std::function<void()>& step);

// The same for a step with a result: nullopt after a reported failure.
template <class F>
auto fileAccessValue(const QString& table, F&& step) -> std::optional<decltype(step())> {
    try {
        return step();
    } catch (const db::DbError& e) {
        reportFileError(table, e);
        return std::nullopt;
    }
}

// The text of the last file error (what MSG_OST shows after a failed statement).
QString fileErrorText();

} // namespace ksiega
