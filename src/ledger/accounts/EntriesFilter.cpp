#include "ledger/accounts/EntriesFilter.h"
#include "frame/marks/SelectionStore.h"
#include "platform/db/SqlText.h"
#include "platform/runtime/CurrencyCode.h"
#include "platform/runtime/FilterExpression.h"

namespace ksiega::ledger {

namespace {

// konto beginning with the text taken literally: '%' and '_' in an account are characters,
// not wildcards. The escape clause is added only where needed, so the usual prefix keeps
// the plain form an index serves.
QString accountPrefixCondition(const QString& account) {
    static const QString special = QStringLiteral("%_!");
    QString pattern;
    bool escaped = false;
    for (QChar c : account) {
        if (special.contains(c)) { pattern += QLatin1Char('!'); escaped = true; }
        pattern += c;
    }
    pattern += QLatin1Char('%');
    QString sql = QStringLiteral("konto like ") + db::quoted(pattern);
    if (escaped) sql += QStringLiteral(" escape '!'");
    return sql;
}

// Account, posted status and currency: the piece whose length is limited.
QString accountPiece(const EntriesFilterInput& in) {
    const QString account = in.account.isEmpty() ? QString::fromLatin1(kNoAccount) : in.account;
    FilterBuilder piece;
    if (in.wholeAccount) piece.add(fieldEquals(QStringLiteral("PDU:konto"), account));
    else {
        // The same rows, named also by the lines' synthetic account, which reads them in the
        // list's order off one index range.
        if (in.oneSynthetic) piece.add(fieldEquals(QStringLiteral("PDU:syntetyka"), account));
        piece.add(sqlPiece(accountPrefixCondition(account)));
    }
    if (in.customerVariant < 1) {
        piece.add(QStringLiteral("PDU:status=2"));
        piece.add(QStringLiteral("PDU:czy_rk<>10"));
    }
    if (!isHomeCurrency(in.currency)) piece.add(fieldEquals(QStringLiteral("PDU:waluta"), CurrencyCode::of(in.currency).symbol()));
    return piece.text();
}

// An expression from elsewhere (saved filter, quick filter) joins the others as one
// condition: an OR inside it must not reach past its own conditions.
QString grouped(const QString& expression) {
    const QString e = expression.trimmed();
    return e.isEmpty() ? QString() : QLatin1Char('(') + e + QLatin1Char(')');
}

} // namespace

EntriesFilter buildEntriesFilter(const EntriesFilterInput& in) {
    EntriesFilter out;
    const QString piece = accountPiece(in);
    FilterBuilder filter;
    // Too long: the account piece is left out (the person is told the filter is ignored);
    // the saved filter and the show-marked condition still narrow the list.
    if (piece.size() >= kMaxAccountPieceLength) out.tooLong = true;
    else filter.add(piece);
    filter.add(grouped(in.savedFilter));
    if (in.showMarked)
        filter.add(marks::markedOnlyCondition(in.userNumber, marks::BrowserLedgerByAccounts));
    filter.add(fieldEquals(QStringLiteral("PDU:id_lata_obrot"), in.fiscalYear));
    if (in.quickFilterOn) filter.add(grouped(in.quickFilter));
    out.filter = filter.text();
    out.rawFilter = WYTNIJ_PREFIX(out.filter);
    return out;
}

} // namespace ksiega::ledger
