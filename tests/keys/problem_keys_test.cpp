#include "keys_fixture.h"
#include "window/problem_window.h"

#include <QListWidget>

namespace wed::test {
namespace {

using ProblemKeys = KeysFixture;

// F7 lists the folder's problems; Enter on one that belongs to an item shows that item, in its
// category, as a click on its row would.
TEST_F(ProblemKeys, F7ListsTheProblemsAndEnterShowsTheItemOfOne) {
    focus(form.itemList());
    press(Qt::Key_F7);
    ProblemWindow* problems = form.problemWindow();
    ASSERT_TRUE(problems && problems->isVisible());
    QListWidget* list = problems->list();
    const QList<QListWidgetItem*> vest =
        list->findItems(QStringLiteral("weapon.cfg:11: 物品“vest”"), Qt::MatchStartsWith);
    ASSERT_EQ(vest.size(), 1);
    problems->activateWindow();
    list->setCurrentItem(vest.front());
    focus(list);
    press(Qt::Key_Return);
    EXPECT_EQ(form.categoryBox()->currentText(), QStringLiteral("装甲"));
    EXPECT_EQ(listed(), QStringList{"vest"});
    EXPECT_EQ(form.itemList()->currentRow(), 0);
    EXPECT_EQ(form.textOf("Text20"), QStringLiteral("80"));
}

} // namespace
} // namespace wed::test
