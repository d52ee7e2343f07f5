#pragma once
// What the cost-centre quick filter ("Filtr") holds, its checks on "Wykonaj" and the
// filter expression over the MPK_VIEW rows it returns.
#include <QString>
#include <cstdint>
#include <vector>

namespace ksiega::costcentres {

// A row of a mark list; the first row of each list is "<wszystkie>".
struct MarkRow {
    int64_t id = 0;        // journal or type id; the period date for periods
    QString text;
    QString code;
    bool marked = false;
};

enum class AccountChoice { All = 0, Range = 1, Mask = 2, Single = 3 };

struct MpkQuickFilterChoice {
    int64_t firm = 0;
    int64_t year = 0;                   // 0: no year chosen
    std::vector<MarkRow> journals;      // LIST1
    std::vector<MarkRow> periods;       // LIST2
    std::vector<MarkRow> types;         // LIST3
    bool sideDt = true, sideCt = true;  // L_STRONA_WN, L_STRONA_MA
    AccountChoice account = AccountChoice::All;
    QString rangeFrom, rangeTo, mask, single;
    bool documentDates = false;         // F_LOK_DATA_DOKUMENTU "Określony"
    int documentFrom = 0, documentTo = 0;
    bool postingDates = false;          // F_LOK_DATA_KSIEGOWANIA "Określony"
    int postingFrom = 0, postingTo = 0;
};

// The first failing check's message, "" when the choice may be applied.
QString validate(const MpkQuickFilterChoice& choice);

// An account-range bound as it is compared with the first three characters of the
// account: right-padded with "0" to three characters and cut to three ("4" -> "400").
QString rangeBound(const QString& bound);

// The expression (MPK: fields). Texts enter quoted; the mask through ZAMIEN_ZNAKI.
QString expression(const MpkQuickFilterChoice& choice);

} // namespace ksiega::costcentres
