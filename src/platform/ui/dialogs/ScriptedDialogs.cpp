#include "platform/ui/dialogs/ScriptedDialogs.h"

namespace ksiega::ui {

class ScriptedProgress : public Progress {
public:
    ScriptedProgress(ScriptedDialogs& owner, size_t index, int cancelAt)
        : m_owner(owner), m_index(index), m_cancelAt(cancelAt) {}
    void setValue(int percent) override {
        std::lock_guard lock(m_owner.m_mutex);
        if (m_index < m_owner.m_shown.size()) m_owner.m_shown[m_index].values.push_back(percent);
        if (m_cancelAt >= 0 && percent >= m_cancelAt) m_cancelled = true;
    }
    void setText(const QString& text) override {
        std::lock_guard lock(m_owner.m_mutex);
        if (m_index < m_owner.m_shown.size()) m_owner.m_shown[m_index].text = messageText(text);
    }
    bool cancelled() override { return m_cancelled; }

private:
    ScriptedDialogs& m_owner;
    size_t m_index;
    int m_cancelAt;
    bool m_cancelled = false;
};

void ScriptedDialogs::answer(int button) {
    std::lock_guard lock(m_mutex);
    m_answers.push_back(button);
}

void ScriptedDialogs::cancelProgressAt(int percent) {
    std::lock_guard lock(m_mutex);
    m_cancelAt = percent;
}

std::vector<ScriptedDialogs::Shown> ScriptedDialogs::shown() const {
    std::lock_guard lock(m_mutex);
    return m_shown;
}

QStringList ScriptedDialogs::texts() const {
    std::lock_guard lock(m_mutex);
    QStringList out;
    for (const Shown& s : m_shown) out << s.text;
    return out;
}

QStringList ScriptedDialogs::texts(Kind kind) const {
    std::lock_guard lock(m_mutex);
    QStringList out;
    for (const Shown& s : m_shown)
        if (s.kind == kind) out << s.text;
    return out;
}

ScriptedDialogs::Shown ScriptedDialogs::last() const {
    std::lock_guard lock(m_mutex);
    return m_shown.empty() ? Shown{Kind::Information, {}, {}, {}, 0, 0, {}} : m_shown.back();
}

bool ScriptedDialogs::empty() const {
    std::lock_guard lock(m_mutex);
    return m_shown.empty();
}

void ScriptedDialogs::clear() {
    std::lock_guard lock(m_mutex);
    m_shown.clear();
    m_answers.clear();
    m_cancelAt = -1;
}

int ScriptedDialogs::pendingAnswers() const {
    std::lock_guard lock(m_mutex);
    return int(m_answers.size());
}

int ScriptedDialogs::busyDepth() const {
    std::lock_guard lock(m_mutex);
    return m_busyDepth;
}

int ScriptedDialogs::busyCount() const {
    std::lock_guard lock(m_mutex);
    return m_busyCount;
}

void ScriptedDialogs::record(Shown s) {
    std::lock_guard lock(m_mutex);
    m_shown.push_back(std::move(s));
}

void ScriptedDialogs::information(const QString& text, const QString& title) {
    record({Kind::Information, title, messageText(text), {}, 0, 0, {}});
}

void ScriptedDialogs::warning(const QString& text, const QString& title) {
    record({Kind::Warning, title, messageText(text), {}, 0, 0, {}});
}

int ScriptedDialogs::question(const QString& text, const QString& buttons, int defaultButton, const QString& title) {
    std::lock_guard lock(m_mutex);
    int answer = defaultButton;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_shown.push_back({Kind::Question, title, messageText(text), buttonList(buttons), defaultButton, answer, {}});
    return answer;
}

std::unique_ptr<Progress> ScriptedDialogs::progress(const QString& text, const QString& title, bool) {
    std::lock_guard lock(m_mutex);
    m_shown.push_back({Kind::Progress, title, messageText(text), {}, 0, 0, {}});
    int cancelAt = m_cancelAt;
    m_cancelAt = -1;
    return std::make_unique<ScriptedProgress>(*this, m_shown.size() - 1, cancelAt);
}

void ScriptedDialogs::beginBusy() {
    std::lock_guard lock(m_mutex);
    ++m_busyDepth;
    ++m_busyCount;
}

void ScriptedDialogs::endBusy() {
    std::lock_guard lock(m_mutex);
    if (m_busyDepth > 0) --m_busyDepth;
}

void ScriptedDialogs::answerFile(const QString& path) {
    std::lock_guard lock(m_mutex);
    m_files.push_back(path);
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& filter) {
    QString path;
    {
        std::lock_guard lock(m_mutex);
        if (!m_files.empty()) {
            path = m_files.front();
            m_files.pop_front();
        }
    }
    record({Kind::SaveFile, title, filter, {}, 0, 0, {}});
    return path;
}

QString ScriptedDialogs::folderName(const QString& title, const QString& current) {
    return saveFileName(title, current);
}

void ScriptedDialogs::fieldPreview(const std::vector<std::pair<QString, QString>>& fields) {
    QStringList lines;
    for (const auto& [name, value] : fields) lines << name + QLatin1Char('=') + value;
    {
        std::lock_guard lock(m_mutex);
        m_fields = fields;
    }
    record({Kind::Fields, QStringLiteral("Podgląd pól"), lines.join(QLatin1Char('\n')), {}, 0, 0, {}});
}

std::vector<std::pair<QString, QString>> ScriptedDialogs::lastFields() const {
    std::lock_guard lock(m_mutex);
    return m_fields;
}

} // namespace ksiega::ui
