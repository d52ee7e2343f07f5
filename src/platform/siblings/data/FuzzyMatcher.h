#pragma once
// The fuzzy matcher behind intuitive search: how well a pattern matches a text, 0 to 100.
// Option 1 = case-insensitive matching, option 2 = whole-word matching.
#include <QString>

namespace ksiega {

class FuzzyMatcher {
public:
    enum Option { CaseInsensitive = 1, WholeWord = 2 };

    void init();
    void kill();
    bool active() const { return m_active; }
    void setOption(int option, bool on);
    bool option(int option) const;

    // 100 when the text contains the pattern as it is (a whole word under option 2),
    // less when the pattern's characters only appear in order, 0 when they do not.
    int match(const QString& pattern, const QString& text) const;

private:
    bool m_active = false;
    bool m_caseInsensitive = false;
    bool m_wholeWord = false;
};

} // namespace ksiega
