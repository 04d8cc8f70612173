// Patterns over ids: the same answers as matching by trying every split, without its steps.
#include "data/item_ref.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace wed {
namespace {

// Matching by trying every length for each star: the meaning of a pattern, in its plainest form.
bool triedEverySplit(QStringView pattern, QStringView id) {
    if (pattern.isEmpty())
        return id.isEmpty();
    if (pattern[0] == u'*') {
        for (qsizetype skip = 0; skip <= id.size(); ++skip)
            if (triedEverySplit(pattern.sliced(1), id.sliced(skip)))
                return true;
        return false;
    }
    return !id.isEmpty() && (pattern[0] == u'?' || pattern[0] == id[0]) &&
           triedEverySplit(pattern.sliced(1), id.sliced(1));
}

QString randomText(QRandomGenerator& random, QStringView alphabet, int longest) {
    QString text;
    for (int n = random.bounded(longest + 1); n > 0; --n)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

TEST(ItemPattern, MatchesAsTryingEverySplitDoes) {
    QRandomGenerator random(29);
    for (int i = 0; i < 20000; ++i) {
        const QString pattern = randomText(random, u"ab*?", 7);
        const QString id = randomText(random, u"ab", 9);
        const std::optional<ItemPattern> parsed =
            parsePattern(QStringLiteral("weapon/") + pattern, true);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->matches(id), triedEverySplit(pattern, id))
            << pattern.toStdString() << " " << id.toStdString();
    }
}

TEST(ItemPattern, ManyStarsAgainstALongIdTakeFewSteps) {
    const std::optional<ItemPattern> pattern = parsePattern(u"weapon/*a*a*a*a*a*a*a*a*b");
    ASSERT_TRUE(pattern);
    qsizetype steps = 0;
    EXPECT_FALSE(pattern->matches(QString(60, u'a'), &steps));
    EXPECT_LE(steps, 60 * 4);
    steps = 0;
    EXPECT_TRUE(pattern->matches(QString(60, u'a') + u'b', &steps));
    EXPECT_LE(steps, 61 * 4);
}

} // namespace
} // namespace wed
