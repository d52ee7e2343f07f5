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

class ReportLayout {
public:
    explicit ReportLayout(ReportDefinition definition);

    void begin();
    void addRow(const Row& row);
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
    void rowBand(const Row& row);
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
};

} // namespace ksiega::report
