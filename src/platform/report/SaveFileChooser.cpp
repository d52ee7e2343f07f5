#include "platform/report/SaveFileChooser.h"
#include <QFileDialog>
#include <mutex>

namespace ksiega::report {

namespace {
std::mutex g_mutex;
SaveFileChooser g_chooser;
}

QString choosePdfFile(const QString& suggestedFileName, QWidget* parent) {
    SaveFileChooser chooser;
    {
        std::lock_guard lock(g_mutex);
        chooser = g_chooser;
    }
    if (chooser) return chooser(suggestedFileName);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Zapisz jako PDF"), suggestedFileName,
                                        QStringLiteral("PDF (*.pdf)"));
}

void installSaveFileChooser(SaveFileChooser chooser) {
    std::lock_guard lock(g_mutex);
    g_chooser = std::move(chooser);
}

} // namespace ksiega::report
