#include "PlanFixtures.h"

#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

struct HistoryFixture : PlannerFixture {
    UndoHistory history{planner};
    HistoryFixture() : PlannerFixture(guardCatalogue()) {}
    bool perform(const Action &a) {
        return history.perform(a.label, [&] { a.run(planner); });
    }
};

}  // namespace

TEST(UndoHistory, EveryKindOfChangeUndoesAndRedoesToEqualStates) {
    HistoryFixture f;
    const PlannerState start = f.state();
    const PresetArgs guard{kNil, "Стража", 1, kNil, 0};
    const std::vector<Action> actions = {
        enter({"6", "4", "1", "2"}),
        plus(PointTable::Stats, 0),
        {pointLabel(PointTable::Stats, 0, false), [](Planner &p) { p.minus(PointTable::Stats, 0); }},
        plus(PointTable::Magic, 5),
        wear(f.state(), Category::Helmets, "Обруч"),
        {presetLabel(guard), [&](Planner &p) { p.equipPreset(guard); }},
        {slotClickLabel(f.state(), Slot::Pendant), [](Planner &p) { p.clickSlot(Slot::Pendant); }},
        wear(f.state(), Category::Weapons, "Двуручный меч"),
        enchantHelmet(),
        forgeHelmetCopper(2),
        putOnCustomAmulet("Мой амулет"),
        {takeOffAllLabel(), [](Planner &p) { p.takeOffAllItems(); }},
    };
    std::vector<PlannerState> states{start};
    for (const Action &a : actions) {
        const PlannerState before = f.state();
        ASSERT_TRUE(f.perform(a)) << a.label.toStdString() << " changed nothing";
        const PlannerState after = f.state();
        EXPECT_EQ(f.history.undoLabel(), a.label);
        ASSERT_TRUE(f.history.undo());
        EXPECT_EQ(f.state(), before) << a.label.toStdString() << ": " << firstDifference(f.state(), before);
        EXPECT_EQ(f.history.redoLabel(), a.label);
        ASSERT_TRUE(f.history.redo());
        EXPECT_EQ(f.state(), after) << a.label.toStdString() << ": " << firstDifference(f.state(), after);
        EXPECT_FALSE(f.history.hasUnrecordedChange());
        states.push_back(after);
    }
    // All the way back and forth again, appended rows and all.
    for (size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(f.history.undo());
        EXPECT_EQ(f.state(), states[i]) << "undo to " << i << ": " << firstDifference(f.state(), states[i]);
    }
    EXPECT_FALSE(f.history.canUndo());
    EXPECT_EQ(f.history.redoCount(), int(actions.size()));
    while (f.history.redo()) {}
    EXPECT_EQ(f.state(), states.back());
    EXPECT_TRUE(f.messages.shown.contains(QString::fromUtf8(kForgedMessage)));
}

TEST(UndoHistory, APresetIsOneStepAndANewChangeDropsWhatCouldBeRedone) {
    HistoryFixture f;
    const PlannerState empty = f.state();
    const PresetArgs guard{kNil, "Стража", 1, kNil, 0};
    f.history.perform(presetLabel(guard), [&] { f.planner.equipPreset(guard); });
    EXPECT_EQ(f.history.undoCount(), 1);
    EXPECT_NE(f.row(Slot::Helmet), 0);
    EXPECT_NE(f.row(Slot::Ring5), 0);
    const PlannerState dressed = f.state();
    f.history.perform(presetLabel(guard), [&] { f.planner.equipPreset(guard); });
    EXPECT_EQ(f.history.undoCount(), 1) << "the same preset again puts the same items on";
    EXPECT_EQ(f.state(), dressed);

    f.history.undo();
    EXPECT_EQ(f.state(), empty) << firstDifference(f.state(), empty);
    EXPECT_TRUE(f.history.canRedo());
    f.perform(wear(f.state(), Category::Helmets, "Обруч"));
    EXPECT_FALSE(f.history.canRedo()) << "a new change drops the undone preset";
    EXPECT_EQ(f.history.redoLabel(), QString());
    EXPECT_EQ(f.history.undoLabel(), u("Надеть «Обруч»"));
}

TEST(UndoHistory, AnActionThatChangesNothingIsNoStep) {
    HistoryFixture f;
    f.planner.setRequirementCheckOn(true);
    const auto none = [&](const Action &a) {
        EXPECT_FALSE(f.perform(a)) << a.label.toStdString();
        EXPECT_EQ(f.history.undoCount(), 0) << a.label.toStdString();
    };
    none(wear(f.state(), Category::Helmets, "Шлем стража"));  // refused: level 1
    none(plus(PointTable::Stats, 7));                          // Удача below level 5
    none({takeOffAllLabel(), [](Planner &p) { p.takeOffAllItems(); }});
    none(enchantHelmet());                                     // nothing worn
    EXPECT_EQ(f.messages.shown.size(), 3) << "each refusal said why";
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
    f.history.redo();
    EXPECT_NE(f.row(Slot::Helmet), 0);
    EXPECT_TRUE(f.state().requirementCheckOn);
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsLimit) {
    HistoryFixture f;
    f.perform(enter({"1", "1", "0", "0"}));
    std::vector<PlannerState> states{f.state()};
    for (int i = 0; i < UndoHistory::kDefaultLimit + 30; ++i) {
        const bool up = i % 2 == 0;
        f.history.perform(pointLabel(PointTable::Stats, 0, up), [&] {
            if (up)
                f.planner.plus(PointTable::Stats, 0);
            else
                f.planner.minus(PointTable::Stats, 0);
        });
        states.push_back(f.state());
    }
    EXPECT_EQ(f.history.undoCount(), UndoHistory::kDefaultLimit);
    int undone = 0;
    while (f.history.undo()) ++undone;
    EXPECT_EQ(undone, UndoHistory::kDefaultLimit);
    EXPECT_EQ(f.state(), states[states.size() - 1 - UndoHistory::kDefaultLimit]);
    EXPECT_EQ(f.text(Lbl::LStat_new), u("1")) << "the oldest kept step started from an even count";

    UndoHistory small(f.planner, 3);
    for (int i = 0; i < 5; ++i) small.perform(u("x"), [&] { f.planner.plus(PointTable::Stats, i % 2); });
    EXPECT_EQ(small.undoCount(), 1) << "one free point: only the first plus changed anything";
}

TEST(UndoHistory, TheUnsavedMarkFollowsUndoAndRedo) {
    HistoryFixture f;
    f.perform(wear(f.state(), Category::Helmets, "Обруч"));
    f.history.markClean();
    EXPECT_TRUE(f.history.isClean());
    f.perform(plus(PointTable::Stats, 0));
    EXPECT_FALSE(f.history.isClean());
    f.history.undo();
    EXPECT_TRUE(f.history.isClean()) << "back at the saved state";
    f.history.undo();
    EXPECT_FALSE(f.history.isClean());
    f.history.redo();
    EXPECT_TRUE(f.history.isClean());
    f.perform(plus(PointTable::Stats, 1));
    f.history.undo();
    EXPECT_TRUE(f.history.isClean());

    // Once the saved state's step is dropped, no undo reaches it again.
    UndoHistory small(f.planner, 1);
    small.markClean();
    small.perform(u("a"), [&] { f.planner.plus(PointTable::Stats, 2); });
    small.perform(u("b"), [&] { f.planner.plus(PointTable::Stats, 3); });
    small.undo();
    EXPECT_FALSE(small.isClean());
}

TEST(UndoHistory, AChangeThatBypassesTheHistoryIsNoticed) {
    HistoryFixture f;
    EXPECT_FALSE(f.history.hasUnrecordedChange());
    f.planner.plus(PointTable::Stats, 0);
    EXPECT_TRUE(f.history.hasUnrecordedChange());
    f.planner.setRequirementCheckOn(true);  // a setting is no change of the character
    f.perform(plus(PointTable::Stats, 1));
    EXPECT_FALSE(f.history.hasUnrecordedChange());
}

TEST(UndoHistory, AnActionWithinAnActionBelongsToTheOuterStep) {
    HistoryFixture f;
    f.history.perform(u("outer"), [&] {
        f.perform(plus(PointTable::Stats, 0));
        f.perform(plus(PointTable::Stats, 1));
    });
    EXPECT_EQ(f.history.undoCount(), 1);
    EXPECT_EQ(f.history.undoLabel(), u("outer"));
}

TEST(ActionLabels, PresetsAreNamedByTheirCaptionsBelowTheirGroup) {
    const auto preset = [](std::initializer_list<const char *> path) -> std::optional<PresetArgs> {
        // Follows the captions down the menu.
        auto it = path.begin();
        for (const PresetMenuLine &line : presetMenu()) {
            if (line.depth != int(it - path.begin()) || QString::fromUtf8(line.caption) != QString::fromUtf8(*it))
                continue;
            if (++it == path.end()) return line.kind == PresetLineKind::Entry ? std::optional(line.args) : std::nullopt;
        }
        return std::nullopt;
    };
    const auto label = [&](std::initializer_list<const char *> path) {
        const auto args = preset(path);
        EXPECT_TRUE(args) << *path.begin();
        return args ? presetLabel(*args) : QString();
    };
    EXPECT_EQ(label({"Для уворотов", "Комплект ангела", "Кинжал"}), u("Комплект ангела: Кинжал"));
    EXPECT_EQ(label({"Для уворотов", "Комплект подвижности ", "Кинжал + Кинжал"}),
              u("Комплект подвижности: Кинжал + Кинжал"));
    EXPECT_EQ(label({"Для танков", "Комплект противостояния"}), u("Комплект противостояния"));
    EXPECT_EQ(label({"Для магов", "Комплект погребения"}), u("Комплект погребения"));
    EXPECT_EQ(label({"Другое...", "Комплект для свадьбы", "Женский"}), u("Комплект для свадьбы: Женский"));
    EXPECT_EQ(label({"Обновлённые арты", "Для магов", "Комплект верховного волхва", "Огонь"}),
              u("Комплект верховного волхва: Огонь"));
}

TEST(ActionLabels, CraftingAndSlotsNameTheWornItem) {
    HistoryFixture f;
    f.perform(wear(f.state(), Category::Helmets, "Шлем стража"));
    EXPECT_EQ(enchantLabel(f.state(), *enchantEntry(u("N515"))), u("Чаровать «Шлем стража»: Слабые чары брони (+5)"));
    EXPECT_EQ(enchantLabel(f.state(), *enchantEntry(u("N265"))),
              u("Чаровать «Перчатки»: Слабые чары мастерства (+1), Нож")) << "an empty slot is named";
    EXPECT_EQ(slotClickLabel(f.state(), Slot::Helmet), u("Снять «Шлем стража»"));
    EXPECT_EQ(pointLabel(PointTable::Masteries, 0, false), u("− Владение ножами"));
}
