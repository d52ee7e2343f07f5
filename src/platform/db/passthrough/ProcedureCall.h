#pragma once
// Recognises the statements that go to a server procedure rather than to the database:
//   CALL NAME (args)          CALL NAME
//   select dbo.NAME(args)     (and select NAME(args) when NAME is a registered procedure)
// Arguments are numbers, quoted texts (a quote inside written twice), NULL, or "?" for
// the next bound value. A decimal number travels as its text.
#include "platform/db/SqlValue.h"
#include <QString>
#include <optional>

namespace ksiega::db {

struct ProcedureCall {
    QString name;          // as written, without "dbo."
    Params arguments;
};

struct ProcedureCallParse {
    bool isCall = false;   // the statement has the form of a procedure call
    ProcedureCall call;
    QString error;         // set when it has that form but its arguments cannot be read
};

ProcedureCallParse parseProcedureCall(const QString& statement, const Params& bound = {});

} // namespace ksiega::db
