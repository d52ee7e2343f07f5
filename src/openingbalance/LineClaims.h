#pragma once
// What the windows that change an opening-balance line say when they may not: the line
// is claimed by another user, cannot be read, or its year's opening balance is approved.
// Claiming and the re-check inside a saving transaction show their refusals here, the same
// way in every window.
#include "frame/SessionContext.h"
#include "platform/db/Database.h"
#include <QString>

namespace ksiega::openingbalance {

inline const QString LOCKED_BY_OTHER_TEXT = QStringLiteral("Wybrana pozycja jest zablokowana przez innego użytkownika.");
inline const QString LINE_READ_ERROR_TEXT = QStringLiteral("Wystąpił błąd odczytu z tabeli pozycji dokumentów.");
inline const QString APPROVED_TEXT = QStringLiteral("BO w bieżącym roku obrotowym jest zatwierdzone.");

// The text of an error for a message: the engine's text without the statement.
QString errorText(const std::exception& e);

// Claims the account's line of the document for the session's user (POZYCJE_BO_DODAJ).
// A refusal or an error is shown (the claim of another user as information, the rest as
// warnings) and gives 0; otherwise the line's id.
int64_t claimLine(db::Database& db, const SessionContext& session, int64_t idNagDok, const QString& account);

// Inside the caller's saving transaction: whether the line may still be written by
// `login`. A refusal is shown and gives false.
bool lineStillWritable(db::Database& db, int64_t idPozDok, const QString& login);

} // namespace ksiega::openingbalance
