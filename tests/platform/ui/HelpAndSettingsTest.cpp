// Help pages of the windows and the settings file.
#include "platform/ui/help/HelpTopic.h"
#include "platform/ui/help/HelpTopics.h"
#include "platform/ui/settings/Settings.h"
#include "platform/siblings/data/FuzzyMatcher.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ksiega;

TEST(Help, everyWindowTopicHasAPolishPageWithATitle) {
    const QStringList topics = help::allTopics();
    EXPECT_EQ(topics.size(), 11);
    for (const QString& topic : topics) {
        SCOPED_TRACE(topic.toStdString());
        ASSERT_TRUE(ui::HelpTopic::hasPage(topic));
        QFile page(QStringLiteral(":/help/") + topic);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<title>")));
        EXPECT_TRUE(html.contains(QStringLiteral("lang=\"pl\"")));
        EXPECT_GT(html.size(), 600);
    }
    EXPECT_FALSE(ui::HelpTopic::hasPage(QStringLiteral("99_brak.htm")));
}

TEST(Settings, typedValuesRoundTripUnderTheirSectionThroughTheFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("u.ini"));
    {
        Settings s(file);
        s.setInt(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Sortowanie_lp"), 12);
        s.setText(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Waluta"), QStringLiteral("EUR"));
        s.setBool(QStringLiteral("Ksiega_wg_okresow"), QStringLiteral("Podglad"), true);
        s.setBytes(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Geometry"), QByteArray("\x01\x00\xff", 3));
    }
    Settings s(file);
    EXPECT_EQ(s.getInt(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Sortowanie_lp")), 12);
    EXPECT_EQ(s.getInt(QStringLiteral("Ksiega_wg_okresow"), QStringLiteral("Sortowanie_lp"), -1), -1);
    EXPECT_EQ(s.getText(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Waluta")), QStringLiteral("EUR"));
    EXPECT_TRUE(s.getBool(QStringLiteral("Ksiega_wg_okresow"), QStringLiteral("Podglad")));
    EXPECT_EQ(s.getBytes(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Geometry")), QByteArray("\x01\x00\xff", 3));
    s.kill();
    EXPECT_EQ(s.getInt(QStringLiteral("Ksiega_wg_kont"), QStringLiteral("Sortowanie_lp"), 3), 3);
}

TEST(FuzzyMatcher, caseInsensitiveAndWholeWordOptionsChangeTheMatch) {
    FuzzyMatcher m;
    m.init();
    EXPECT_EQ(m.match(QStringLiteral("kasa"), QStringLiteral("Kasa główna")), 0);  // no lower-case k
    m.setOption(FuzzyMatcher::CaseInsensitive, true);
    EXPECT_EQ(m.match(QStringLiteral("kasa"), QStringLiteral("Kasa główna")), 100);
    EXPECT_GT(m.match(QStringLiteral("kgw"), QStringLiteral("Kasa główna")), 0);
    EXPECT_EQ(m.match(QStringLiteral("xyz"), QStringLiteral("Kasa główna")), 0);
    m.setOption(FuzzyMatcher::WholeWord, true);
    EXPECT_EQ(m.match(QStringLiteral("kas"), QStringLiteral("Kasa główna")), 0);
    EXPECT_EQ(m.match(QStringLiteral("główna"), QStringLiteral("Kasa główna")), 100);
}
