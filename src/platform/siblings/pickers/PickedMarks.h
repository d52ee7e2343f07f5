#pragma once
// The marks a picker leaves in ZAZNACZENIE for its caller: browser 1 (documents, by
// id_elementu), 11 (accounts, by opis_elementu) and 36 (classification symbols, by
// opis_elementu). Replacing a user's marks of a browser is one transaction.
#include "platform/db/Database.h"
#include <vector>

namespace ksiega::pickers {

struct PickedElement {
    int64_t id = 0;
    QString text;   // opis_elementu
};

void replacePickedMarks(db::Database& db, int64_t browser, int64_t user, const std::vector<PickedElement>& elements);
int64_t countPickedMarks(db::Database& db, int64_t browser, int64_t user);

} // namespace ksiega::pickers
