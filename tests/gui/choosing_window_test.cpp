#include "GuiTestSupport.h"

#include "views/InfoPanel.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

int bottom(const QWidget *w) { return w->y() + w->height(); }

TEST(InfoPanelChoice, AddedBlocksStackUnderTheRequirementsAndSetInfoTakesThemAway) {
    QWidget window;
    InfoPanel panel(&window);
    ItemInfoText info{QStringLiteral("Шлем"), QStringLiteral("Масса: 1\r"), QStringLiteral("Уворот: 5\r"),
                      QStringLiteral("Ремонт: Да\r"), QStringLiteral("Уровень: 20\rЛовкость: 35\r")};
    panel.setInfo(info);
    const int plainHeight = panel.height();
    auto *req = named<QLabel>(&panel, QStringLiteral("Label_info3"));
    auto *summary = named<QLabel>(&panel, QStringLiteral("Label_choice_missing"));
    auto *caption = named<QLabel>(&panel, QStringLiteral("Label_choice_caption"));
    auto *changes = named<QLabel>(&panel, QStringLiteral("Label_choice"));

    ChoiceText choice;
    choice.requirements = {{QStringLiteral("Уровень: 20 (не хватает 5)"), Tone::Unmet},
                           {QStringLiteral("Ловкость: 35"), Tone::Plain}};
    choice.summary = {{QStringLiteral("Можно надеть с 20 уровня"), Tone::Unmet}};
    choice.changeHeading = QStringLiteral("Если надеть:");
    choice.changes = {{QStringLiteral("Уворот: +16"), Tone::Gain}, {QStringLiteral("Броня головы: +6"), Tone::Gain}, {QStringLiteral("Общая масса: +0.6"), Tone::Loss}, {QStringLiteral("Монет: +404"), Tone::Loss}};
    ChoiceText longer = choice;
    for (int i = 0; i < 6; ++i) longer.changes.append({QStringLiteral("Крит: +1"), Tone::Gain});
    panel.setChoice(longer);
    panel.setInfo(info);
    panel.setChoice(choice);
    const int line = QFontMetrics(changes->font()).lineSpacing();
    EXPECT_EQ(req->height(), 2 * line);
    EXPECT_EQ(summary->y(), bottom(req));
    EXPECT_EQ(summary->height(), line);
    EXPECT_EQ(caption->text(), QStringLiteral("Если надеть:"));
    EXPECT_EQ(caption->y(), bottom(summary));
    EXPECT_EQ(changes->y(), bottom(caption));
    EXPECT_EQ(changes->height(), 4 * line);
    EXPECT_EQ(panel.height(), bottom(changes) + 10);
    EXPECT_TRUE(changes->text().contains(QStringLiteral("Монет: +404")));

    panel.setInfo(info);
    EXPECT_EQ(panel.height(), plainHeight);
    EXPECT_FALSE(summary->isVisibleTo(&panel));
    EXPECT_FALSE(changes->isVisibleTo(&panel));
    EXPECT_EQ(req->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace veldora
