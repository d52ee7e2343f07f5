#include "platform/ui/dialogs/QtDialogs.h"
#include "platform/ui/dialogs/FieldPreviewDialog.h"
#include <QFileDialog>
#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTextStream>

namespace ksiega::ui {

namespace {

bool haveWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }
bool onGuiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

// Runs fn on the GUI thread and waits for it.
template <class F>
void onGui(F&& fn) {
    if (onGuiThread()) fn();
    else QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<F>(fn), Qt::BlockingQueuedConnection);
}

int showBox(QMessageBox::Icon icon, const QString& text, const QStringList& buttons, int defaultButton,
            const QString& title) {
    if (!haveWidgets()) {
        QTextStream(stderr) << title << ": " << messageText(text) << '\n';
        return defaultButton;
    }
    int answer = int(buttons.size());
    onGui([&] {
        QMessageBox box(icon, title, messageText(text), QMessageBox::NoButton, QApplication::activeWindow());
        QList<QPushButton*> pushButtons;
        for (const QString& b : buttons) pushButtons << box.addButton(b, QMessageBox::ActionRole);
        if (defaultButton >= 1 && defaultButton <= pushButtons.size()) box.setDefaultButton(pushButtons[defaultButton - 1]);
        box.setEscapeButton(pushButtons.last());
        box.exec();
        int index = int(pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
        answer = index >= 0 ? index + 1 : int(pushButtons.size());
    });
    return answer;
}

class QtProgress : public Progress {
public:
    QtProgress(const QString& text, const QString& title, bool cancellable) {
        m_dialog = new QProgressDialog(messageText(text), cancellable ? QStringLiteral("Anuluj") : QString(), 0, 100,
                                       QApplication::activeWindow());
        m_dialog->setWindowTitle(title);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        if (!cancellable) m_dialog->setCancelButton(nullptr);
        m_dialog->setValue(0);
    }
    ~QtProgress() override { delete m_dialog; }
    void setValue(int percent) override { m_dialog->setValue(std::clamp(percent, 0, 100)); }
    void setText(const QString& text) override { m_dialog->setLabelText(messageText(text)); }
    bool cancelled() override {
        QCoreApplication::processEvents();
        return m_dialog->wasCanceled();
    }

private:
    QProgressDialog* m_dialog;
};

// A progress that shows nothing (no widgets, or a worker thread).
class SilentProgress : public Progress {
public:
    void setValue(int) override {}
    void setText(const QString&) override {}
    bool cancelled() override { return false; }
};

} // namespace

void QtDialogs::information(const QString& text, const QString& title) {
    showBox(QMessageBox::Information, text, {QStringLiteral("&OK")}, 1, title);
}

void QtDialogs::warning(const QString& text, const QString& title) {
    showBox(QMessageBox::Warning, text, {QStringLiteral("&OK")}, 1, title);
}

int QtDialogs::question(const QString& text, const QString& buttons, int defaultButton, const QString& title) {
    return showBox(QMessageBox::Question, text, buttonList(buttons), defaultButton, title);
}

std::unique_ptr<Progress> QtDialogs::progress(const QString& text, const QString& title, bool cancellable) {
    if (!haveWidgets() || !onGuiThread()) return std::make_unique<SilentProgress>();
    return std::make_unique<QtProgress>(text, title, cancellable);
}

void QtDialogs::beginBusy() {
    if (haveWidgets() && onGuiThread()) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtDialogs::endBusy() {
    if (haveWidgets() && onGuiThread()) QApplication::restoreOverrideCursor();
}

QString QtDialogs::saveFileName(const QString& title, const QString& filter) {
    if (!haveWidgets() || !onGuiThread()) return {};
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(), filter);
}

QString QtDialogs::folderName(const QString& title, const QString& current) {
    if (!haveWidgets() || !onGuiThread()) return {};
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, current);
}

void QtDialogs::fieldPreview(const std::vector<std::pair<QString, QString>>& fields) {
    if (!haveWidgets() || !onGuiThread()) return;
    FieldPreviewDialog dialog(fields, QApplication::activeWindow());
    dialog.exec();
}

} // namespace ksiega::ui
