#pragma once
// Dialogs for tests: questions are answered from a queue (the default button when the
// queue is empty), and every box, progress window and busy cursor is recorded.
// Install with ui::ScopedDialogs scripted(dialogs);
#include "platform/ui/dialogs/Dialogs.h"
#include <deque>
#include <mutex>
#include <vector>

namespace ksiega::ui {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Information, Warning, Question, Progress, SaveFile, Fields };
    struct Shown {
        Kind kind;
        QString title;
        QString text;          // "|" already turned into new lines
        QStringList buttons;   // questions only
        int defaultButton = 0;
        int answer = 0;
        std::vector<int> values;  // progress only: every value set
    };

    // Queues the 1-based answer of the next question.
    void answer(int button);
    // The path the next save-file question answers ("" = gave up, also when none is queued).
    void answerFile(const QString& path);
    // The rows of the last field preview shown.
    std::vector<std::pair<QString, QString>> lastFields() const;
    // The next progress window reports cancel once its value reaches percent.
    void cancelProgressAt(int percent);

    std::vector<Shown> shown() const;
    // The texts of every box of a kind (all kinds when none is given).
    QStringList texts() const;
    QStringList texts(Kind kind) const;
    Shown last() const;
    bool empty() const;
    void clear();
    int pendingAnswers() const;
    int busyDepth() const;
    int busyCount() const;  // how many times the busy cursor was turned on

    void information(const QString& text, const QString& title) override;
    void warning(const QString& text, const QString& title) override;
    int question(const QString& text, const QString& buttons, int defaultButton, const QString& title) override;
    std::unique_ptr<Progress> progress(const QString& text, const QString& title, bool cancellable) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    // Answered from the same queue as saveFileName (scriptFile), recorded as SaveFile.
    QString folderName(const QString& title, const QString& current) override;
    void fieldPreview(const std::vector<std::pair<QString, QString>>& fields) override;
    void beginBusy() override;
    void endBusy() override;

private:
    friend class ScriptedProgress;
    void record(Shown s);

    mutable std::mutex m_mutex;
    std::vector<Shown> m_shown;
    std::deque<int> m_answers;
    std::deque<QString> m_files;
    std::vector<std::pair<QString, QString>> m_fields;
    int m_cancelAt = -1;
    int m_busyDepth = 0;
    int m_busyCount = 0;
};

} // namespace ksiega::ui
