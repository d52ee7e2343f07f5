#include "platform/siblings/data/FuzzyMatcher.h"
#include <QRegularExpression>

namespace ksiega {

void FuzzyMatcher::init() {
    m_active = true;
    m_caseInsensitive = false;
    m_wholeWord = false;
}

void FuzzyMatcher::kill() { m_active = false; }

void FuzzyMatcher::setOption(int option, bool on) {
    if (option == CaseInsensitive) m_caseInsensitive = on;
    else if (option == WholeWord) m_wholeWord = on;
}

bool FuzzyMatcher::option(int option) const {
    if (option == CaseInsensitive) return m_caseInsensitive;
    if (option == WholeWord) return m_wholeWord;
    return false;
}

int FuzzyMatcher::match(const QString& pattern, const QString& text) const {
    const QString p = pattern.trimmed();
    if (p.isEmpty()) return 100;
    const Qt::CaseSensitivity cs = m_caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (m_wholeWord) {
        QRegularExpression re(QStringLiteral("(^|\\W)") + QRegularExpression::escape(p) + QStringLiteral("($|\\W)"),
                              m_caseInsensitive ? QRegularExpression::CaseInsensitiveOption
                                                : QRegularExpression::NoPatternOption);
        return re.match(text).hasMatch() ? 100 : 0;
    }
    if (text.contains(p, cs)) return 100;
    // The pattern's characters in order, with gaps: the fewer gaps, the better.
    qsizetype at = 0, gaps = 0;
    for (QChar c : p) {
        qsizetype found = text.indexOf(c, at, cs);
        if (found < 0) return 0;
        if (found != at && at != 0) ++gaps;
        at = found + 1;
    }
    return std::max<int>(1, 90 - int(gaps * 90 / std::max<qsizetype>(1, p.size())));
}

} // namespace ksiega
