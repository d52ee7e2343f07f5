#include "platform/report/ReportLayout.h"
#include "platform/report/Texts.h"
#include "platform/runtime/TextWrap.h"
#include <algorithm>
#include <cmath>

namespace ksiega::report {

namespace {
constexpr double kPad = 0.8;  // mm between a cell's box and its text
constexpr double kMmPerPoint = 0.3528;
constexpr double kAverageGlyphEm = 0.58;  // a wide sans-serif's average character
}

ReportLayout::ReportLayout(ReportDefinition definition)
    : m_definition(std::move(definition)), m_page(m_definition.columns), m_running(m_definition.columns) {
    m_document.name = m_definition.name;
    m_document.title = m_definition.title;
    m_document.orientation = m_definition.orientation;
    m_document.paperMm = paperSize(m_definition.orientation);

    m_boxes = boxesOf(m_definition.columns);
    for (size_t i = 0; i < m_definition.columns.size(); ++i) {
        const Column& c = m_definition.columns[i];
        m_pictures.push_back(Picture::parse(c.amount ? c.picture : QStringLiteral("@s255")));
        if (c.amount && m_firstAmountColumn < 0 && c.totals != NoTotal) m_firstAmountColumn = int(i);
    }
}

std::vector<ReportLayout::ColumnBox> ReportLayout::boxesOf(const std::vector<Column>& columns) const {
    std::vector<ColumnBox> boxes;
    double weights = 0;
    for (const Column& c : columns) weights += std::max(c.width, 0.0);
    double x = left();
    for (const Column& c : columns) {
        const double w = weights > 0 ? width() * std::max(c.width, 0.0) / weights : 0;
        boxes.push_back({x, w});
        x += w;
    }
    return boxes;
}

int ReportLayout::charsIn(double widthMm) const {
    const double glyph = m_definition.fontPt * kMmPerPoint * kAverageGlyphEm;
    return std::max(1, int(std::floor((widthMm - 2 * kPad) / glyph)));
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
    formBand();
    headingBand();
    descriptionBand();
    columnHeaderBand();
}

void ReportLayout::addRow(const Row& row, RowKind kind) {
    const std::vector<QStringList> lines = rowLines(row, m_definition.columns, m_boxes, m_pictures);
    size_t height = 1;
    for (const QStringList& l : lines) height = std::max<size_t>(height, size_t(l.size()));
    if (m_y + double(height) * m_definition.heights.row + footReserve() > bottom() + 1e-6) breakPage();
    linesBand(lines, m_definition.columns, m_boxes, kind == RowKind::Subtotal);
    if (kind == RowKind::Detail) countRow(row);
}

void ReportLayout::countRow(const Row& row) {
    m_page.add(row);
    m_running.add(row);
    ++m_rows;
}

void ReportLayout::beginSection(const Section& section) {
    m_section = section;
    m_inSection = true;
    m_sectionBoxes = boxesOf(section.columns);
    m_sectionPictures.clear();
    for (const Column& c : section.columns)
        m_sectionPictures.push_back(Picture::parse(c.amount ? c.picture : QStringLiteral("@s255")));
    const auto& h = m_definition.heights;
    const int perLine = std::max(1, section.figuresPerLine);
    const size_t figureLines = (section.figures.size() + size_t(perLine) - 1) / size_t(perLine);
    // The head, the figures and the column header stay together with the first row.
    const double need = h.totals + double(figureLines) * h.row + 2 * h.columnHeaderLine + 1.0 + h.row;
    if (m_y + need + footReserve() > bottom() + 1e-6) breakPage();
    box(QRectF(left(), m_y, width(), h.totals), m_definition.shading);
    text(QRectF(left(), m_y, width(), h.totals), section.head, Align::Left, true);
    m_y += h.totals;
    const double pairWidth = width() / perLine;
    for (size_t i = 0; i < section.figures.size(); ++i) {
        const size_t col = i % size_t(perLine);
        const double x = left() + double(col) * pairWidth;
        text(QRectF(x, m_y, pairWidth * 0.5, h.row), section.figures[i].first, Align::Left);
        text(QRectF(x + pairWidth * 0.5, m_y, pairWidth * 0.5, h.row), section.figures[i].second, Align::Right, true);
        if (col + 1 == size_t(perLine) || i + 1 == section.figures.size()) m_y += h.row;
    }
    if (!section.columns.empty()) headerBand(section.columns, m_sectionBoxes);
}

void ReportLayout::addSectionRow(const Row& row) {
    const std::vector<QStringList> lines = rowLines(row, m_section.columns, m_sectionBoxes, m_sectionPictures);
    size_t height = 1;
    for (const QStringList& l : lines) height = std::max<size_t>(height, size_t(l.size()));
    if (m_y + double(height) * m_definition.heights.row + footReserve() > bottom() + 1e-6) breakPage();
    linesBand(lines, m_section.columns, m_sectionBoxes, false);
}

void ReportLayout::endSection() {
    m_inSection = false;
    rule(m_y);
    m_y += 1.0;
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
        if (hasTotals(FinalTotal))
            totalsBand(m_definition.finalCaption.isEmpty() ? RAZEM : m_definition.finalCaption, m_running.values(),
                       FinalTotal, true);
        for (const SummaryLine& line : lines)
            if (!line.beforeFinalTotal) summaryBand(line);
        signatureBand();
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
    if (m_inSection && !m_section.columns.empty()) headerBand(m_section.columns, m_sectionBoxes);
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
    if (!m_definition.columns.empty()) headerBand(m_definition.columns, m_boxes);
}

void ReportLayout::formBand() {
    if (m_definition.form.empty()) return;
    const auto& h = m_definition.heights;
    for (const FormBox& f : m_definition.form) {
        const QRectF r = f.rect.translated(left(), m_y);
        if (f.framed) box(r, false);
        const float pt = f.fontPt > 0 ? f.fontPt : m_definition.fontPt;
        const double lineHeight = std::max(h.descriptionLine * pt / m_definition.fontPt, 3.0);
        double y = r.top() + 0.5;
        for (const QString& line : f.lines) {
            text(QRectF(r.left(), y, r.width(), lineHeight), line, f.align, f.bold, pt);
            y += lineHeight;
        }
    }
    m_y += m_definition.formHeight;
}

void ReportLayout::signatureBand() {
    if (m_definition.signatures.isEmpty()) return;
    const auto& h = m_definition.heights;
    const double need = 3 * h.row + 4.0;
    if (m_y + need > bottom() + 1e-6) {
        newPage();
    }
    m_y += 8.0;
    const double slot = width() / double(m_definition.signatures.size());
    for (qsizetype i = 0; i < m_definition.signatures.size(); ++i) {
        const double x = left() + double(i) * slot;
        text(QRectF(x, m_y, slot, h.row), QStringLiteral("..........................................."), Align::Center);
        text(QRectF(x, m_y + h.row, slot, h.row), m_definition.signatures[i], Align::Center);
    }
    m_y += 2 * h.row + 2.0;
}

void ReportLayout::headerBand(const std::vector<Column>& columns, const std::vector<ColumnBox>& boxes) {
    const auto& h = m_definition.heights;
    int lines = 1;
    for (const Column& c : columns) lines = std::max<int>(lines, int(c.heading.count('\n')) + 1);
    const double bandHeight = lines * h.columnHeaderLine + 1.0;
    box(QRectF(left(), m_y, width(), bandHeight), m_definition.shading);
    // Neighbouring columns whose headings start with the same line ("Obroty w okresie"
    // over "Dt" and "Ct") print that line once across both.
    const size_t n = columns.size();
    std::vector<QStringList> parts(n);
    for (size_t i = 0; i < n; ++i) parts[i] = columns[i].heading.split('\n');
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
                const double spanWidth = boxes[last].left + boxes[last].width - boxes[i].left;
                text(QRectF(boxes[i].left, m_y + 0.5, spanWidth, h.columnHeaderLine), parts[i].front(), Align::Center, true);
                rule(boxes[i].left, m_y + 0.5 + h.columnHeaderLine, spanWidth);
                first = 1;
            }
        }
        double y = m_y + 0.5 + double(first) * h.columnHeaderLine;
        for (qsizetype k = qsizetype(first); k < parts[i].size(); ++k) {
            text(QRectF(boxes[i].left, y, boxes[i].width, h.columnHeaderLine), parts[i][k], Align::Center, true);
            y += h.columnHeaderLine;
        }
        if (i > 0) {
            // Inside a group the separator starts under the shared line.
            const double from = first == 1 && sharesFirstLine(i - 1, i) ? m_y + 0.5 + h.columnHeaderLine : m_y;
            Item sep;
            sep.kind = Item::Kind::Rule;
            sep.rect = QRectF(boxes[i].left, from, 0, m_y + bandHeight - from);
            m_document.pages.back().items.push_back(sep);
        }
    }
    m_y += bandHeight;
}

void ReportLayout::rowBand(const Row& row, bool bold) {
    linesBand(rowLines(row, m_definition.columns, m_boxes, m_pictures), m_definition.columns, m_boxes, bold);
}

std::vector<QStringList> ReportLayout::rowLines(const Row& row, const std::vector<Column>& columns,
                                                const std::vector<ColumnBox>& boxes,
                                                const std::vector<Picture>& pictures) const {
    std::vector<QStringList> lines(columns.size());
    for (size_t i = 0; i < columns.size() && i < row.size(); ++i) {
        const Column& c = columns[i];
        if (c.amount) {
            lines[i] << pictures[i].format(row[i].amount).trimmed();
            continue;
        }
        const int fits = charsIn(boxes[i].width);
        // (a text that is neither wrapped nor elided is printed whole)
        lines[i] = c.wrap ? wrapAtWords(row[i].text, fits)
                          : QStringList{c.elide ? elided(row[i].text, fits) : row[i].text};
    }
    return lines;
}

void ReportLayout::linesBand(const std::vector<QStringList>& lines, const std::vector<Column>& columns,
                             const std::vector<ColumnBox>& boxes, bool bold) {
    const double h = m_definition.heights.row;
    size_t height = 1;
    for (const QStringList& l : lines) height = std::max<size_t>(height, size_t(l.size()));
    for (size_t i = 0; i < columns.size() && i < lines.size(); ++i)
        for (qsizetype k = 0; k < lines[i].size(); ++k)
            text(QRectF(boxes[i].left, m_y + double(k) * h, boxes[i].width, h), lines[i][k], columns[i].align, bold);
    m_y += double(height) * h;
}

void ReportLayout::totalsBand(const QString& label, const std::vector<Money>& sums, unsigned where, bool shaded) {
    const double h = m_definition.heights.totals;
    const std::vector<Money> values = m_page.withRatios(sums);
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
