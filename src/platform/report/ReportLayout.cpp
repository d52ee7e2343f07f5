#include "platform/report/ReportLayout.h"
#include "platform/report/Texts.h"
#include <algorithm>

namespace ksiega::report {

namespace {
constexpr double kPad = 0.8;  // mm between a cell's box and its text
}

ReportLayout::ReportLayout(ReportDefinition definition)
    : m_definition(std::move(definition)), m_page(m_definition.columns), m_running(m_definition.columns) {
    m_document.name = m_definition.name;
    m_document.title = m_definition.title;
    m_document.orientation = m_definition.orientation;
    m_document.paperMm = paperSize(m_definition.orientation);

    double weights = 0;
    for (const Column& c : m_definition.columns) weights += std::max(c.width, 0.0);
    double x = left();
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const Column& c = m_definition.columns[i];
        const double w = weights > 0 ? width() * std::max(c.width, 0.0) / weights : 0;
        m_boxes.push_back({x, w});
        x += w;
        m_pictures.push_back(Picture::parse(c.amount ? c.picture : QStringLiteral("@s255")));
        if (c.amount && m_firstAmountColumn < 0 && c.totals != NoTotal) m_firstAmountColumn = int(i);
    }
}

double ReportLayout::bottom() const {
    return m_document.paperMm.height() - m_definition.marginMm - m_definition.heights.footer;
}

double ReportLayout::width() const {
    return m_document.paperMm.width() - 2 * m_definition.marginMm;
}

bool ReportLayout::hasTotals(unsigned where) const {
    return std::any_of(m_definition.columns.begin(), m_definition.columns.end(),
                       [&](const Column& c) { return c.amount && (c.totals & where); });
}

double ReportLayout::footReserve() const {
    double h = 0;
    if (hasTotals(PageTotal)) h += m_definition.heights.totals;
    if (hasTotals(Carried)) h += m_definition.heights.totals;
    return h;
}

void ReportLayout::begin() {
    newPage();
    headingBand();
    descriptionBand();
    columnHeaderBand();
}

void ReportLayout::addRow(const Row& row) {
    if (m_y + m_definition.heights.row + footReserve() > bottom() + 1e-6) breakPage();
    rowBand(row);
    m_page.add(row);
    m_running.add(row);
    ++m_rows;
}

Document ReportLayout::finish(bool complete) {
    if (m_document.pages.empty()) begin();
    const auto& h = m_definition.heights;
    if (complete) {
        double need = (hasTotals(PageTotal) && !m_definition.pageTotalsRunning ? h.totals : 0) +
                      (hasTotals(FinalTotal) ? h.totals : 0) + h.closing;
        const auto lines = m_definition.closingLines ? m_definition.closingLines(m_running.values())
                                                     : std::vector<SummaryLine>{};
        need += h.totals * double(lines.size());
        if (m_y + need > bottom() + 1e-6) breakPage();
        // Running page sums on the last page would only repeat "Razem".
        if (hasTotals(PageTotal) && !m_definition.pageTotalsRunning)
            totalsBand(RAZEM_NA_STRONIE, m_page.values(), PageTotal, false);
        for (const SummaryLine& line : lines)
            if (line.beforeFinalTotal) summaryBand(line);
        if (hasTotals(FinalTotal)) totalsBand(RAZEM, m_running.values(), FinalTotal, true);
        for (const SummaryLine& line : lines)
            if (!line.beforeFinalTotal) summaryBand(line);
        closingBand();
    } else if (hasTotals(PageTotal)) {
        totalsBand(RAZEM_NA_STRONIE, m_page.values(), PageTotal, false);
    }
    footers();
    m_document.cancelled = !complete;
    m_document.rows = m_rows;
    return std::move(m_document);
}

void ReportLayout::newPage() {
    m_document.pages.emplace_back();
    m_y = top();
}

void ReportLayout::breakPage() {
    if (hasTotals(PageTotal)) totalsBand(RAZEM_NA_STRONIE, m_page.values(), PageTotal, false);
    if (hasTotals(Carried)) totalsBand(DO_PRZENIESIENIA, carriedValues(), Carried, false);
    newPage();
    columnHeaderBand();
    if (hasTotals(Carried)) totalsBand(Z_PRZENIESIENIA, carriedValues(), Carried, false);
    if (!m_definition.pageTotalsRunning) m_page.reset();
}

std::vector<Money> ReportLayout::carriedValues() const {
    std::vector<Money> values = m_running.values();
    for (const auto& [column, amount] : m_definition.carriedIn)
        if (column >= 0 && size_t(column) < values.size()) values[size_t(column)] += amount;
    return values;
}

void ReportLayout::headingBand() {
    const auto& h = m_definition.heights;
    for (const QString& line : m_definition.heading) {
        text(QRectF(left(), m_y, width(), h.headingLine), line, Align::Left, false, m_definition.fontPt + 1);
        m_y += h.headingLine;
    }
    const QRectF titleBox(left(), m_y + 1.0, width(), h.title);
    box(titleBox, m_definition.shading);
    text(titleBox, m_definition.title, Align::Center, true, m_definition.fontPt + 4);
    m_y += h.title + 2.0;
}

void ReportLayout::descriptionBand() {
    const auto& h = m_definition.heights;
    for (const QString& line : m_definition.description) {
        text(QRectF(left(), m_y, width(), h.descriptionLine), line.left(150), Align::Left);
        m_y += h.descriptionLine;
    }
    if (!m_definition.description.isEmpty()) m_y += 1.0;
}

void ReportLayout::columnHeaderBand() {
    const auto& h = m_definition.heights;
    if (!m_definition.pageHeading.isEmpty()) {
        text(QRectF(left(), m_y, width(), h.descriptionLine), m_definition.pageHeading, Align::Left, true);
        m_y += h.descriptionLine;
    }
    int lines = 1;
    for (const Column& c : m_definition.columns) lines = std::max<int>(lines, int(c.heading.count('\n')) + 1);
    const double bandHeight = lines * h.columnHeaderLine + 1.0;
    box(QRectF(left(), m_y, width(), bandHeight), m_definition.shading);
    // Neighbouring columns whose headings start with the same line ("Obroty w okresie"
    // over "Dt" and "Ct") print that line once across both.
    const size_t n = m_definition.columns.size();
    std::vector<QStringList> parts(n);
    for (size_t i = 0; i < n; ++i) parts[i] = m_definition.columns[i].heading.split('\n');
    auto sharesFirstLine = [&](size_t a, size_t b) {
        return parts[a].size() > 1 && parts[b].size() > 1 && parts[a].front() == parts[b].front();
    };
    for (size_t i = 0; i < n; ++i) {
        size_t first = 0;
        if (i > 0 && sharesFirstLine(i - 1, i)) {
            first = 1;   // drawn with the group's first column
        } else {
            size_t last = i;
            while (last + 1 < n && sharesFirstLine(last, last + 1)) ++last;
            if (last > i) {
                const double spanWidth = m_boxes[last].left + m_boxes[last].width - m_boxes[i].left;
                text(QRectF(m_boxes[i].left, m_y + 0.5, spanWidth, h.columnHeaderLine), parts[i].front(), Align::Center, true);
                rule(m_boxes[i].left, m_y + 0.5 + h.columnHeaderLine, spanWidth);
                first = 1;
            }
        }
        double y = m_y + 0.5 + double(first) * h.columnHeaderLine;
        for (qsizetype k = qsizetype(first); k < parts[i].size(); ++k) {
            text(QRectF(m_boxes[i].left, y, m_boxes[i].width, h.columnHeaderLine), parts[i][k], Align::Center, true);
            y += h.columnHeaderLine;
        }
        if (i > 0) {
            // Inside a group the separator starts under the shared line.
            const double from = first == 1 && sharesFirstLine(i - 1, i) ? m_y + 0.5 + h.columnHeaderLine : m_y;
            Item sep;
            sep.kind = Item::Kind::Rule;
            sep.rect = QRectF(m_boxes[i].left, from, 0, m_y + bandHeight - from);
            m_document.pages.back().items.push_back(sep);
        }
    }
    m_y += bandHeight;
}

void ReportLayout::rowBand(const Row& row) {
    const double h = m_definition.heights.row;
    for (size_t i = 0; i < m_definition.columns.size() && i < row.size(); ++i)
        text(QRectF(m_boxes[i].left, m_y, m_boxes[i].width, h), cellText(i, row[i]), m_definition.columns[i].align);
    m_y += h;
}

void ReportLayout::totalsBand(const QString& label, const std::vector<Money>& values, unsigned where, bool shaded) {
    const double h = m_definition.heights.totals;
    const QRectF band(left(), m_y, width(), h);
    if (shaded) box(band, m_definition.shading);
    else rule(m_y);
    const double labelRight = m_firstAmountColumn >= 0 ? m_boxes[size_t(m_firstAmountColumn)].left : left() + width();
    text(QRectF(left(), m_y, labelRight - left(), h), label, Align::Left, true);
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const Column& c = m_definition.columns[i];
        if (!c.amount || !(c.totals & where)) continue;
        text(QRectF(m_boxes[i].left, m_y, m_boxes[i].width, h), m_pictures[i].format(values[i]).trimmed(), c.align,
             true);
    }
    m_y += h;
}

void ReportLayout::summaryBand(const SummaryLine& line) {
    const double h = m_definition.heights.totals;
    box(QRectF(left(), m_y, width(), h), m_definition.shading);
    const double labelRight = m_firstAmountColumn >= 0 ? m_boxes[size_t(m_firstAmountColumn)].left : left() + width();
    text(QRectF(left(), m_y, labelRight - left(), h), line.label, Align::Left, true);
    for (const auto& [column, amount] : line.amounts) {
        if (column < 0 || size_t(column) >= m_definition.columns.size()) continue;
        const size_t i = size_t(column);
        text(QRectF(m_boxes[i].left, m_y, m_boxes[i].width, h), m_pictures[i].format(amount).trimmed(), Align::Right,
             true);
    }
    m_y += h;
}

void ReportLayout::closingBand() {
    const double h = m_definition.heights.closing;
    rule(m_y + 1.0);
    text(QRectF(left(), m_y + 1.5, width(), h - 1.5), KONIEC_WYDRUKU, Align::Center);
    m_y += h;
}

void ReportLayout::footers() {
    const int pages = int(m_document.pages.size());
    const double y = bottom();
    const double h = m_definition.heights.footer;
    for (int n = 0; n < pages; ++n) {
        auto& items = m_document.pages[size_t(n)].items;
        Item r;
        r.kind = Item::Kind::Rule;
        r.rect = QRectF(left(), y + 0.5, width(), 0);
        items.push_back(r);
        Item title;
        title.rect = QRectF(left(), y + 1.0, width() * 0.7, h - 1.0);
        title.text = m_definition.title;
        title.fontPt = m_definition.fontPt - 1;
        items.push_back(title);
        Item number = title;
        number.rect = QRectF(left() + width() * 0.7, y + 1.0, width() * 0.3, h - 1.0);
        number.text = pageOfPages(n + 1, pages);
        number.align = Align::Right;
        items.push_back(number);
    }
}

void ReportLayout::text(const QRectF& rect, const QString& value, Align align, bool bold, float fontPt) {
    if (value.isEmpty()) return;
    Item item;
    item.kind = Item::Kind::Text;
    item.rect = rect.adjusted(kPad, 0, -kPad, 0);
    item.text = value;
    item.align = align;
    item.bold = bold;
    item.fontPt = fontPt > 0 ? fontPt : m_definition.fontPt;
    m_document.pages.back().items.push_back(std::move(item));
}

void ReportLayout::rule(double y) { rule(left(), y, width()); }

void ReportLayout::rule(double x, double y, double length) {
    Item item;
    item.kind = Item::Kind::Rule;
    item.rect = QRectF(x, y, length, 0);
    m_document.pages.back().items.push_back(item);
}

void ReportLayout::box(const QRectF& rect, bool shaded) {
    Item item;
    item.kind = Item::Kind::Box;
    item.rect = rect;
    item.shaded = shaded;
    m_document.pages.back().items.push_back(item);
}

QString ReportLayout::cellText(size_t column, const Cell& cell) const {
    if (m_definition.columns[column].amount) return m_pictures[column].format(cell.amount).trimmed();
    return cell.text;
}

} // namespace ksiega::report
