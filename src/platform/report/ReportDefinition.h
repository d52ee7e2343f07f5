#pragma once
// What a report says about itself: its name and title, the first-page heading, the
// description lines, the columns (with which of them are totalled where) and the band
// heights. Rows are vectors of cells, one per column.
#include "platform/report/PageModel.h"
#include "platform/runtime/Money.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace ksiega::report {

// Where a column's total is printed; combine with |.
enum TotalIn : unsigned {
    NoTotal = 0,
    PageTotal = 1,    // "Razem na stronie" at the foot of every page, restarting each page
    Carried = 2,      // "Do przeniesienia" at the foot of a page, "Z przeniesienia" at the head of the next
    FinalTotal = 4,   // "Razem" at the end
};

// How a column totals: the sum of its rows, or the value of the last row (running
// figures such as cumulative turnovers and balances).
enum class TotalMode : unsigned char { Sum, LastValue };

struct Column {
    QString heading;          // "\n" separates heading lines
    double width = 1.0;       // relative; the columns share the printable width
    Align align = Align::Left;
    bool amount = false;      // an amount column: cells are Money, shown with picture
    QString picture = QStringLiteral("@N-14_`2");
    unsigned totals = NoTotal;
    TotalMode mode = TotalMode::Sum;
    // Text columns: a text longer than the box continues on further lines, cut at word
    // boundaries (wrap), or ends with "…" where it is cut (elide), so that a shortened text
    // never passes for a whole one. Neither: the text is printed whole.
    bool wrap = false;
    bool elide = false;
    // A ratio column ("% realiz."): its cells hold hundredths of a per cent as amounts; in
    // the totals bands it is computed from the totals of its numerator and denominator
    // columns (never added up). -1: not a ratio.
    int ratioNumerator = -1;
    int ratioDenominator = -1;
    bool isRatio() const { return ratioNumerator >= 0 && ratioDenominator >= 0; }

    static Column text(const QString& heading, double width, Align align = Align::Left) {
        Column c;
        c.heading = heading;
        c.width = width;
        c.align = align;
        return c;
    }
    static Column money(const QString& heading, double width, unsigned totals = PageTotal | Carried | FinalTotal,
                        TotalMode mode = TotalMode::Sum) {
        Column c;
        c.heading = heading;
        c.width = width;
        c.align = Align::Right;
        c.amount = true;
        c.totals = totals;
        c.mode = mode;
        return c;
    }
    static Column elided(const QString& heading, double width) {
        Column c = text(heading, width);
        c.elide = true;
        return c;
    }
    static Column wrapped(const QString& heading, double width) {
        Column c = text(heading, width);
        c.wrap = true;
        return c;
    }
    // Percent of numerator in denominator, printed with two decimals ("50,00").
    static Column ratio(const QString& heading, double width, int numerator, int denominator,
                        unsigned totals = PageTotal | Carried | FinalTotal) {
        Column c = money(heading, width, totals);
        c.ratioNumerator = numerator;
        c.ratioDenominator = denominator;
        return c;
    }
};

// numerator / denominator * 100 in hundredths of a per cent, rounded half away from zero;
// 0 for a 0 denominator.
int64_t ratioHundredths(Money numerator, Money denominator);

struct Cell {
    QString text;
    Money amount;
    Cell() = default;
    Cell(const QString& t) : text(t) {}
    Cell(const char* t) : text(QString::fromUtf8(t)) {}
    Cell(Money m) : amount(m) {}
};
using Row = std::vector<Cell>;

// A labelled line of amounts printed with "Razem" ("Persaldo" after it, "Z przeniesienia"
// of a cash report before it), keyed by column index.
struct SummaryLine {
    QString label;
    std::map<int, Money> amounts;
    bool beforeFinalTotal = false;
};

// A text box of a form's heading, placed in mm from the band's top-left corner.
struct FormBox {
    QRectF rect;
    QStringList lines;
    Align align = Align::Left;
    bool bold = false;
    bool framed = true;
    float fontPt = 0;   // 0: the report's font
};

// A section of a report with columns of its own (one classification symbol and its
// entries): a head line, label/value pairs, then rows under the section's column header.
struct Section {
    QString head;
    std::vector<std::pair<QString, QString>> figures;
    int figuresPerLine = 4;
    std::vector<Column> columns;
};

struct BandHeights {  // mm
    double title = 8.0;
    double headingLine = 4.5;
    double descriptionLine = 4.2;
    double columnHeaderLine = 3.8;
    double row = 4.4;
    double totals = 5.0;
    double closing = 7.0;
    double footer = 6.0;
};

struct ReportDefinition {
    QString name;                 // settings section and file name ("Prn_62_Ksiega_K")
    QString title;                // printed in the first-page heading and the page footer
    QStringList heading;          // first-page heading lines under the title (company, address, ...)
    QStringList description;      // description lines (DANE_OPIS_PRN and the report's own)
    QString pageHeading;          // printed over the column header on every page (may be empty)
    std::vector<Column> columns;
    Orientation orientation = Orientation::Portrait;
    double marginMm = 10.0;
    bool shading = true;          // grey boxes; false with DANE_WYLACZ_SZAROSC
    bool pageTotalsRunning = false;  // "Razem na stronie" accumulates from the first row, never reset
    // Amounts the report starts from (a cash report's opening turnovers), by column: the
    // "Do przeniesienia" / "Z przeniesienia" of its page breaks count them, "Razem" does not.
    std::map<int, Money> carriedIn;
    float fontPt = 8.0f;
    BandHeights heights;
    // Lines printed with "Razem" (after it unless beforeFinalTotal), computed from the
    // final totals (index = column).
    std::function<std::vector<SummaryLine>(const std::vector<Money>& finalTotals)> closingLines;
    // A statutory form's heading: boxes printed on the first page above the title, in a
    // band of formHeight mm.
    std::vector<FormBox> form;
    double formHeight = 0;
    // Signatures at the end of the report: a dotted line over each label, side by side.
    QStringList signatures;
    // The caption of the final totals (default "Razem").
    QString finalCaption;
};

// "Persaldo" of two final balance columns: the larger side keeps the difference.
SummaryLine persaldo(const std::vector<Money>& finalTotals, int balanceDtColumn, int balanceCtColumn);

} // namespace ksiega::report
