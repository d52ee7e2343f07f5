#pragma once
// Dialogs shown with Qt: QMessageBox and QProgressDialog. Called from a worker thread,
// a box is shown on the GUI thread and the caller waits for the answer. Without a
// widget application (command line) texts go to standard error and questions take
// their default.
#include "platform/ui/dialogs/Dialogs.h"

namespace ksiega::ui {

class QtDialogs : public Dialogs {
public:
    void information(const QString& text, const QString& title) override;
    void warning(const QString& text, const QString& title) override;
    int question(const QString& text, const QString& buttons, int defaultButton, const QString& title) override;
    std::unique_ptr<Progress> progress(const QString& text, const QString& title, bool cancellable) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    QString folderName(const QString& title, const QString& current) override;
    void fieldPreview(const std::vector<std::pair<QString, QString>>& fields) override;
    void beginBusy() override;
    void endBusy() override;
};

} // namespace ksiega::ui
