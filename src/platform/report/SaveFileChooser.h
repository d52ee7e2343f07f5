#pragma once
// Asks where to save a PDF. Production shows the Qt save dialog; tests install a chooser
// that answers with a path (or an empty text: the person cancelled).
#include <QString>
#include <functional>

class QWidget;

namespace ksiega::report {

using SaveFileChooser = std::function<QString(const QString& suggestedFileName)>;

QString choosePdfFile(const QString& suggestedFileName, QWidget* parent = nullptr);
// nullptr / empty restores the Qt dialog.
void installSaveFileChooser(SaveFileChooser chooser);

} // namespace ksiega::report
