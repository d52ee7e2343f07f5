#pragma once
// The preview sheet under an entry list (SHEET1): "Dokument księgowy" (LIST7) with the
// current entry as label/value pairs, and "Podsumowanie" (LIST8) with the list's and the
// marked entries' figures.
#include "entries/preview/DocumentPreview.h"
#include "entries/summary/AccountSummary.h"
#include <QTabWidget>

class QTableWidget;

namespace ksiega::entries {

class PreviewSheet : public QTabWidget {
public:
    explicit PreviewSheet(QWidget* parent);

    void showPreview(const std::vector<PreviewRow>& rows);
    void showSummary(const std::vector<SummaryRow>& rows);

private:
    QTableWidget* m_preview = nullptr;
    QTableWidget* m_summary = nullptr;
};

} // namespace ksiega::entries
