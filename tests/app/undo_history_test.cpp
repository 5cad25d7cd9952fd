#include "PlanFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

struct HistoryFixture : PlannerFixture {
    UndoHistory history{planner};
    HistoryFixture() : PlannerFixture(guardCatalogue()) {}
    bool perform(const Action &a) { return history.perform(a.label, [&] { a.run(planner); }); }
};

const PresetArgs kGuard{kNil, "Стража", 1, kNil, 0};

Action guardPreset() {
    return {presetLabel(kGuard), [](Planner &p) { p.equipPreset(kGuard); }};
}

}  // namespace

TEST(UndoHistory, EveryKindOfChangeIsOneStepThatUndoesAndRedoesToEqualStates) {
    HistoryFixture f;
    const std::vector<Action> actions = {
        enter({"6", "4", "1", "2"}),
        plus(PointTable::Stats, 0),
        {pointLabel(PointTable::Stats, 0, false), [](Planner &p) { p.minus(PointTable::Stats, 0); }},
        wear(f.state(), Category::Helmets, "Обруч"),
        guardPreset(),
        {slotClickLabel(f.state(), Slot::Pendant), [](Planner &p) { p.clickSlot(Slot::Pendant); }},
        wear(f.state(), Category::Weapons, "Двуручный меч"),
        enchantHelmet(),
        forgeHelmetCopper(2),
        putOnCustomAmulet("Мой амулет"),
        {takeOffAllLabel(), [](Planner &p) { p.takeOffAllItems(); }},
    };
    std::vector<PlannerState> states{f.state()};
    for (const Action &a : actions) {
        ASSERT_TRUE(f.perform(a)) << a.label.toStdString() << " changed nothing";
        EXPECT_EQ(f.history.undoCount(), int(states.size())) << "one step, also for a preset";
        states.push_back(f.state());
    }
    // All the way back and forth again, appended rows and all.
    for (size_t i = states.size() - 1; i-- > 0;) {
        EXPECT_EQ(f.history.undoLabel(), actions[i].label);
        ASSERT_TRUE(f.history.undo());
        EXPECT_EQ(f.state(), states[i]) << "undo to " << i << ": " << firstDifference(f.state(), states[i]);
    }
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(f.history.redo());
        EXPECT_EQ(f.state(), states[i]) << "redo to " << i << ": " << firstDifference(f.state(), states[i]);
    }
}

TEST(UndoHistory, AnActionThatChangesNothingIsNoStep) {
    HistoryFixture f;
    f.perform(guardPreset());
    f.planner.setRequirementCheckOn(true);
    f.messages.shown.clear();
    for (const Action &a : {wear(f.state(), Category::Helmets, "Шлем стража"),  // worn already
                            guardPreset(),                                      // the same items again
                            wear(f.state(), Category::Boots, "Сапоги героя"),   // level 9 needed
                            plus(PointTable::Stats, 7),                         // Удача below level 5
                            Action{u("Чаровать"), [](Planner &p) { enchantWornItem(p, enchantment("N265")); }}})
        EXPECT_FALSE(f.perform(a)) << a.label.toStdString();
    EXPECT_EQ(f.history.undoCount(), 1);
    EXPECT_EQ(f.messages.shown, (QStringList{u("Требования не выполнены."),
                                             u("Функция не доступна, т.к. ваш уровень ниже 5."),
                                             u("Предмет не надет!")}));
}

TEST(UndoHistory, UndoLeavesTheRequirementCheckAndTheEntryPanelAsThePlayerHasThem) {
    HistoryFixture f;
    f.perform(wear(f.state(), Category::Helmets, "Обруч"));
    f.planner.setRequirementCheckOn(true);
    f.planner.showCharacterEntry();
    f.history.undo();
    EXPECT_EQ(f.row(Slot::Helmet), 0);
    EXPECT_TRUE(f.state().requirementCheckOn) << "the setting lives in ini.ini, not in a step";
    EXPECT_TRUE(f.state().sheet.entryPanelVisible);
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsLimitTheUnsavedMarkFollowsAndANewChangeDropsRedo) {
    HistoryFixture f;
    f.perform(enter({"1", "1", "0", "0"}));
    f.history.markClean();
    std::vector<PlannerState> states{f.state()};
    for (int i = 0; i < UndoHistory::kDefaultLimit + 30; ++i) {
        f.perform(i % 2 == 0 ? plus(PointTable::Stats, 0)
                             : Action{u("−"), [](Planner &p) { p.minus(PointTable::Stats, 0); }});
        states.push_back(f.state());
    }
    int undone = 0;
    while (f.history.undo()) ++undone;
    EXPECT_EQ(undone, UndoHistory::kDefaultLimit);
    EXPECT_EQ(f.state(), states[states.size() - 1 - UndoHistory::kDefaultLimit]);
    EXPECT_FALSE(f.history.isClean()) << "the saved state's step was dropped";
    while (f.history.redo()) {}
    f.history.markClean();
    f.history.undo();
    EXPECT_FALSE(f.history.isClean());
    f.history.redo();
    EXPECT_TRUE(f.history.isClean()) << "redo led back to the saved state";
    f.perform(plus(PointTable::Stats, 1));
    EXPECT_FALSE(f.history.canRedo());
    EXPECT_EQ(f.history.redoLabel(), QString());
}

TEST(UndoHistory, ANestedActionBelongsToTheOuterStepAndABypassIsNoticed) {
    HistoryFixture f;
    f.history.perform(u("outer"), [&] {
        f.perform(plus(PointTable::Stats, 0));
        f.perform(plus(PointTable::Stats, 1));
    });
    EXPECT_EQ(f.history.undoCount(), 1);
    EXPECT_EQ(f.history.undoLabel(), u("outer"));
    EXPECT_FALSE(f.history.hasUnrecordedChange());
    f.planner.setRequirementCheckOn(true);  // a setting is no change of the character
    EXPECT_FALSE(f.history.hasUnrecordedChange());
    f.planner.plus(PointTable::Stats, 2);
    EXPECT_TRUE(f.history.hasUnrecordedChange());
}

TEST(UndoHistory, AForgeOpenedOnACopyThatWasUndoneForgesNothing) {
    HistoryFixture f;
    f.perform(wear(f.state(), Category::Helmets, "Шлем стража"));
    f.perform(forgeHelmetCopper(1));
    Forge opened;  // the window stays open on the copy
    chooseForgeEntry(f.planner, opened, kForgeMenu[0]);
    opened.plus(forgePair("PButton_Bron"));
    f.history.undo();
    f.perform(forgeHelmetCopper(3));  // another copy in the same row
    ASSERT_EQ(f.row(Slot::Helmet), opened.row);
    const PlannerState before = f.state();
    f.messages.shown.clear();
    EXPECT_EQ(applyForge(f.planner, opened), ForgeResult::Refused);
    EXPECT_EQ(f.state(), before);
    EXPECT_EQ(f.messages.shown, QStringList{u("Предмет «Шлем стража» не закован: на его слоте теперь другой предмет "
                                              "или другая копия; откройте ковку снова из меню «Ковать».")});
}

TEST(ActionLabels, PresetsAreNamedByTheirCaptionsBelowTheirGroup) {
    // The preset reached by following captions down the menu.
    const auto label = [](std::initializer_list<const char *> path) {
        auto it = path.begin();
        for (const PresetMenuLine &line : presetMenu()) {
            if (line.depth != int(it - path.begin()) || u(line.caption) != u(*it)) continue;
            if (++it == path.end()) return presetLabel(line.args);
        }
        ADD_FAILURE() << *path.begin();
        return QString();
    };
    EXPECT_EQ(label({"Для уворотов", "Комплект ангела", "Кинжал"}), u("Комплект ангела: Кинжал"));
    EXPECT_EQ(label({"Для уворотов", "Комплект подвижности ", "Кинжал + Кинжал"}),
              u("Комплект подвижности: Кинжал + Кинжал"));
    EXPECT_EQ(label({"Для магов", "Комплект погребения"}), u("Комплект погребения"));
    EXPECT_EQ(label({"Другое...", "Комплект для свадьбы", "Женский"}), u("Комплект для свадьбы: Женский"));
    EXPECT_EQ(label({"Обновлённые арты", "Для магов", "Комплект верховного волхва", "Огонь"}),
              u("Комплект верховного волхва: Огонь"));
}
