#pragma once
// The analytic sub-accounts of a register account with their opening amounts in one
// opening-balance document, and the order the card window lists them in.
#include "platform/db/Database.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <vector>

namespace ksiega::openingbalance {

struct CardLine {
    QString account;
    QString name;
    Money kwotaWn, kwotaWnW, kwotaMa, kwotaMaW;
    bool isZero() const { return kwotaWn.isZero() && kwotaWnW.isZero() && kwotaMa.isZero() && kwotaMaW.isZero(); }
};

// The register account itself and every account below it by whole segments (130-1 takes
// 130-1-5, never 130-10), summed per account over the document's lines, one grouped
// statement per side, the names joined from the year's chart. Accounts whose amounts are
// all zero (a removed sub-account keeps its zeroed line) are left out. In account order.
std::vector<CardLine> readCardLines(db::Database& db, int64_t idFirmy, int64_t idLataObrot, int64_t idNagDok,
                                    const QString& account);

// The list's sort keys, by column ("Numer konta", "Nazwa konta", "Kwota Dt",
// "Kwota Dt /wal./", "Kwota Ct", "Kwota Ct /wal./").
enum class CardSortColumn { Number, Name, Dt, DtW, Ct, CtW };
// "+disp_k", "-naz_k,-disp_k", "+kw_wn_k,+disp_k", ...
QString cardSortOrder(CardSortColumn column, bool descending);
// Sorts by the column, ties by the account number, both in the direction given.
void sortCardLines(std::vector<CardLine>& lines, CardSortColumn column, bool descending);

} // namespace ksiega::openingbalance
