#pragma once
// Lays a report out into pages, band by band. begin() prints the first-page heading, the
// description lines and the column header; addRow() prints a detail row, starting a new
// page when the row and the page-foot bands would not fit (the old page gets its
// "Razem na stronie" and "Do przeniesienia", the new one "Z przeniesienia" and the column
// header again); finish() closes the report ("Razem", closing lines, "Koniec wydruku"; a
// cancelled report only closes its last page) and writes "Strona N z M" on every page.
#include "platform/report/ColumnTotals.h"
#include "platform/report/PageModel.h"
#include "platform/report/ReportDefinition.h"
#include "platform/runtime/Picture.h"
#include <vector>

namespace ksiega::report {

// A detail row adds to the totals; a subtotal row (printed bold) stands for rows already
// counted and adds to nothing.
enum class RowKind : unsigned char { Detail, Subtotal };

class ReportLayout {
public:
    explicit ReportLayout(ReportDefinition definition);

    void begin();
    void addRow(const Row& row, RowKind kind = RowKind::Detail);
    // Counts a detail row into the totals without printing it (a row below the printed level).
    void countRow(const Row& row);

    // A section with columns of its own: its head, its label/value pairs and its column
    // header; the rows after it (addSectionRow) use its columns, and a page break inside
    // it repeats its column header. Section rows add to no totals.
    void beginSection(const Section& section);
    void addSectionRow(const Row& row);
    void endSection();
    // complete = false: the layout was stopped; the report ends with what it has.
    Document finish(bool complete = true);

    long long rows() const { return m_rows; }

private:
    struct ColumnBox {
        double left;
        double width;
    };

    double top() const { return m_definition.marginMm; }
    double bottom() const;  // where the footer band starts
    double left() const { return m_definition.marginMm; }
    double width() const;
    double footReserve() const;
    bool hasTotals(unsigned where) const;

    void newPage();
    void breakPage();
    // What a page carries to the next: the running sums plus what the report carried in.
    std::vector<Money> carriedValues() const;
    void headingBand();
    void descriptionBand();
    void columnHeaderBand();
    void rowBand(const Row& row, bool bold = false);
    // The lines of each cell of a row (wrapped or elided to its box).
    std::vector<QStringList> rowLines(const Row& row, const std::vector<Column>& columns,
                                      const std::vector<ColumnBox>& boxes, const std::vector<Picture>& pictures) const;
    void linesBand(const std::vector<QStringList>& lines, const std::vector<Column>& columns,
                   const std::vector<ColumnBox>& boxes, bool bold);
    void headerBand(const std::vector<Column>& columns, const std::vector<ColumnBox>& boxes);
    std::vector<ColumnBox> boxesOf(const std::vector<Column>& columns) const;
    void formBand();
    void signatureBand();
    int charsIn(double widthMm) const;
    void totalsBand(const QString& label, const std::vector<Money>& values, unsigned where, bool shaded);
    void summaryBand(const SummaryLine& line);
    void closingBand();
    void footers();

    void text(const QRectF& rect, const QString& text, Align align, bool bold = false, float fontPt = 0);
    void rule(double y);
    void rule(double x, double y, double length);
    void box(const QRectF& rect, bool shaded);
    QString cellText(size_t column, const Cell& cell) const;

    ReportDefinition m_definition;
    std::vector<ColumnBox> m_boxes;
    std::vector<Picture> m_pictures;
    Document m_document;
    double m_y = 0;
    ColumnTotals m_page;
    ColumnTotals m_running;
    long long m_rows = 0;
    int m_firstAmountColumn = -1;
    bool m_inSection = false;
    Section m_section;
    std::vector<ColumnBox> m_sectionBoxes;
    std::vector<Picture> m_sectionPictures;
};

} // namespace ksiega::report
