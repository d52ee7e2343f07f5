#include "entries/view/PreviewSheet.h"
#include "platform/ui/controls/WindowControls.h"
#include <QTableWidget>

namespace ksiega::entries {

PreviewSheet::PreviewSheet(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("SHEET1"));
    m_preview = ui::pairTable(this, "LIST7");
    m_summary = ui::pairTable(this, "LIST8");
    addTab(m_preview, QStringLiteral("&Dokument księgowy"));
    addTab(m_summary, QStringLiteral("&Podsumowanie"));
}

void PreviewSheet::showPreview(const std::vector<PreviewRow>& rows) {
    m_preview->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const PreviewRow& p = rows[size_t(r)];
        ui::setCell(m_preview, r, 0, p.label1);
        ui::setCell(m_preview, r, 1, p.value1);
        ui::setCell(m_preview, r, 2, p.label2);
        ui::setCell(m_preview, r, 3, p.value2);
    }
}

void PreviewSheet::showSummary(const std::vector<SummaryRow>& rows) {
    m_summary->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const SummaryRow& s = rows[size_t(r)];
        ui::setCell(m_summary, r, 0, s.left.label);
        ui::setCell(m_summary, r, 1, s.left.display(), true);
        ui::setCell(m_summary, r, 2, s.right.label);
        ui::setCell(m_summary, r, 3, s.right.display(), true);
    }
}

} // namespace ksiega::entries
