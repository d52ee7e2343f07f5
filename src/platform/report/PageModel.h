#pragma once
// The page model of a report: pages of positioned items (texts in boxes, rules, boxes
// with or without grey fill), in millimetres from the paper's top-left corner. The
// layout fills it; every renderer (PDF, text file, printer, preview, PNG) only draws it.
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace ksiega::report {

enum class Align : unsigned char { Left, Center, Right };
enum class Orientation : unsigned char { Portrait, Landscape };

struct Item {
    enum class Kind : unsigned char { Text, Rule, Box };
    Kind kind = Kind::Text;
    Align align = Align::Left;
    bool bold = false;
    bool shaded = false;   // boxes: grey fill
    float fontPt = 8.0f;   // texts
    QRectF rect;           // mm; a rule runs from the top-left to the bottom-right corner
    QString text;
};

struct Page {
    std::vector<Item> items;
    // The texts of the page from top to bottom, left to right within one line.
    QStringList texts() const;
    // Whether some text item of the page equals text (after trimming).
    bool hasText(const QString& text) const;
};

struct Document {
    QString name;           // the report's name (settings section, file names)
    QString title;
    QSizeF paperMm{210.0, 297.0};
    Orientation orientation = Orientation::Portrait;
    std::vector<Page> pages;
    bool cancelled = false;  // the person stopped the layout; the pages end with what was laid out
    long long rows = 0;      // detail rows laid out
};

QSizeF paperSize(Orientation orientation);  // A4 in mm

} // namespace ksiega::report
