#include "GuiTestSupport.h"

#include "views/InfoPanel.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace veldora {
namespace {

int bottom(const QLabel *l) { return l->y() + l->height(); }

TEST(InfoPanel, BlocksStackRightBelowEachOtherAndThePanelEndsTenPixelsBelowTheLast) {
    QWidget window;
    InfoPanel panel(&window);
    ItemInfoText info;
    info.name = QStringLiteral("Шлем ангела");
    info.head = QStringLiteral("Стоимость: 340 м.\rМасса: 2,2\rДолговечность: 0/44\r");
    info.action = QStringLiteral("Уворот: 24\rБроня головы: 11\r");
    info.features = QStringLiteral("Ремонт: Да\r");
    info.requirements = QStringLiteral("Уровень: 12\rЛовкость: 22\rСклонность: Свет\r");
    panel.setInfo(info);

    auto *name = test::named<QLabel>(&panel, QStringLiteral("Label_info_name"));
    auto *head = test::named<QLabel>(&panel, QStringLiteral("Label_info1"));
    auto *actionCaption = test::named<QLabel>(&panel, QStringLiteral("Label_deystvie"));
    auto *action = test::named<QLabel>(&panel, QStringLiteral("Label_info2"));
    auto *featuresCaption = test::named<QLabel>(&panel, QStringLiteral("Label_Osoben"));
    auto *features = test::named<QLabel>(&panel, QStringLiteral("Label_info4"));
    auto *reqCaption = test::named<QLabel>(&panel, QStringLiteral("Label_trebov"));
    auto *req = test::named<QLabel>(&panel, QStringLiteral("Label_info3"));

    EXPECT_EQ(panel.width(), 302);
    EXPECT_EQ(name->text(), QStringLiteral("Шлем ангела"));
    EXPECT_EQ(QPoint(name->x(), name->y()), QPoint(20, 5));
    EXPECT_EQ(QPoint(head->x(), head->y()), QPoint(5, 22));
    // Carriage returns become line breaks and the last one adds no empty line.
    EXPECT_EQ(head->text(), QStringLiteral("Стоимость: 340 м.\nМасса: 2,2\nДолговечность: 0/44"));
    EXPECT_EQ(actionCaption->text(), QStringLiteral("Действие:"));
    EXPECT_EQ(featuresCaption->text(), QStringLiteral("Особенности:"));
    EXPECT_EQ(reqCaption->text(), QStringLiteral("Требования:"));
    EXPECT_EQ(actionCaption->y(), bottom(head));
    EXPECT_EQ(action->y(), bottom(actionCaption));
    EXPECT_EQ(featuresCaption->y(), bottom(action));
    EXPECT_EQ(features->y(), bottom(featuresCaption));
    EXPECT_EQ(reqCaption->y(), bottom(features));
    EXPECT_EQ(req->y(), bottom(reqCaption));
    EXPECT_EQ(panel.height(), bottom(req) + 10);
    // Three lines take more room than one.
    EXPECT_GT(req->height(), features->height() * 2);

    // Every call rebuilds the whole panel: an item without bonuses leaves the
    // action block empty and the next caption right under its caption.
    info.action.clear();
    info.requirements = QStringLiteral("Уровень: 1\r");
    panel.setInfo(info);
    EXPECT_EQ(featuresCaption->y(), bottom(actionCaption));
    EXPECT_EQ(req->text(), QStringLiteral("Уровень: 1"));
    EXPECT_EQ(panel.height(), bottom(req) + 10);
}

TEST(InfoPanel, ThePointerOverThePanelHidesIt) {
    QWidget window;
    window.resize(400, 400);
    InfoPanel panel(&window);
    window.show();
    panel.setInfo(ItemInfoText{QStringLiteral("Кольцо"), QStringLiteral("Масса: 1\r"), {}, {}, {}, {}});
    panel.show();
    ASSERT_TRUE(panel.isVisible());
    test::hover(&panel, QPoint(50, 10));
    EXPECT_FALSE(panel.isVisible());
}

}  // namespace
}  // namespace veldora
