#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "app/Planner.h"
#include "customitems/CreateItemWindow.h"
#include "customitems/CustomItemFields.h"
#include "customitems/EditItemWindow.h"
#include "customitems/ItemCardWindow.h"
#include "customitems/ItemListWindow.h"
#include "customitems/PictureChooser.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

// The picture dialog answers with `file` while the test runs.
struct ChosenPicture {
    PictureChooser saved = pictureChooser();
    explicit ChosenPicture(const QString &file) {
        pictureChooser() = [file](QWidget *) { return file; };
    }
    ~ChosenPicture() { pictureChooser() = saved; }
};

QStringList listed(ItemListWindow *list) {
    auto *grid = named<QTableWidget>(list, QStringLiteral("StringGrid1"));
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->item(r, 0)->text() + QLatin1Char('|') + grid->item(r, 1)->text();
    return rows;
}

// The list row (from 1) that shows `name`; 0 when none does.
int rowOf(ItemListWindow *list, const QString &name) {
    const QStringList rows = listed(list);
    for (int r = 0; r < rows.size(); ++r)
        if (rows[r].section(QLatin1Char('|'), 0, 0) == name) return r + 1;
    return 0;
}

void trigger(QWidget *root, const char *action) {
    named<QAction>(root, QString::fromLatin1(action))->trigger();
    test::processEvents();
}

void setInput(QWidget *window, const char *name, const QString &text) {
    named<QLineEdit>(window, QString::fromLatin1(name))->setText(text);
}

TEST(CustomItemWindows, TheMenuOpensTheCreationWindowWithEveryInputItsLengthAndDefault) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    QAction *create = named<QAction>(main, QStringLiteral("N10"));
    QAction *list = named<QAction>(main, QStringLiteral("N8"));
    EXPECT_TRUE(create->isEnabled() && list->isEnabled());
    EXPECT_EQ(create->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    EXPECT_EQ(list->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));

    create->trigger();
    auto *form = named<CreateItemWindow>(main, QStringLiteral("TForm8"));
    auto *edit = named<EditItemWindow>(main, QStringLiteral("TForm13"));
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Создание предметов"));
    for (const CustomItemField &f : kCustomItemFields) {
        if (!f.input || f.kind == FieldKind::Flag || QLatin1String(f.input) == QLatin1String("ComboBoxType")) continue;
        auto *input = named<QLineEdit>(form, QString::fromLatin1(f.input));
        ASSERT_TRUE(input);
        EXPECT_EQ(input->maxLength(), f.capacity) << f.input;
        EXPECT_EQ(input->text(), QString::fromUtf8(f.defaultText)) << f.input;
        EXPECT_EQ(edit->findChild<QLineEdit *>(QString::fromLatin1(f.input)) != nullptr, f.editable) << f.input;
    }
    auto *type = named<QComboBox>(form, QStringLiteral("ComboBoxType"));
    EXPECT_EQ(type->count(), 18);
    EXPECT_EQ(type->itemText(2), QStringLiteral("Топоры и секиры"));
    EXPECT_EQ(type->lineEdit()->maxLength(), 30);
    EXPECT_TRUE(named<QRadioButton>(form, QStringLiteral("RadioButton1"))->isChecked());
    EXPECT_EQ(named<QRadioButton>(form, QStringLiteral("RadioButton2"))->text(), QStringLiteral("Золотых монет"));

    QTest::mouseClick(named<QLabel>(form, QStringLiteral("Image1")), Qt::LeftButton);
    QWidget *help = named<QWidget>(main, QStringLiteral("TForm_Help_Creat_Object"));
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(named<QLabel>(help, QStringLiteral("Label4"))->text(),
              QStringLiteral("4. Изображения поддерживаются только с расширением .bmp .jpg"));
}

TEST(CustomItemWindows, APlayerCreatesLooksAtWearsEditsAndDeletesAnItem) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    const QString chosen = t->dir.path() + QStringLiteral("/меч.bmp");
    QImage picture(63, 63, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    ASSERT_TRUE(picture.save(chosen));
    ChosenPicture dialog(chosen);

    trigger(main, "N10");
    auto *form = named<CreateItemWindow>(main, QStringLiteral("TForm8"));
    setInput(form, "EditName", QStringLiteral("Меч героя"));
    named<QComboBox>(form, QStringLiteral("ComboBoxType"))->setEditText(QStringLiteral("Мечи"));
    setInput(form, "EditCrit", QStringLiteral("5"));
    setInput(form, "EditTrebLvl", QStringLiteral("3"));
    for (const char *zero : {"EditTrebSila", "EditTrebLovkost", "EditTrebIntuiciya", "EditTrebHP", "EditTrebMP",
                             "EditTrebIntellekt", "EditTrebHarizma"})
        setInput(form, zero, QStringLiteral("0"));
    named<QPushButton>(form, QStringLiteral("SpeedButton2"))->click();
    EXPECT_FALSE(named<QLabel>(form, QStringLiteral("Image2"))->pixmap().isNull()) << "the preview";
    named<QPushButton>(form, QStringLiteral("SpeedButton1"))->click();
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("Предмет создан.")});
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(named<QLineEdit>(form, QStringLiteral("EditName"))->text(), QString());
    EXPECT_TRUE(QFile::exists(t->folder + QStringLiteral("/DataObject/img/меч.bmp")));

    trigger(main, "N8");
    auto *list = named<ItemListWindow>(main, QStringLiteral("TForm_My_Object"));
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(listed(list), (QStringList{QStringLiteral("Клинок рассвета|Мечи"), QStringLiteral("Кольцо странника|Кольца"),
                                         QStringLiteral("Меч героя|Мечи"), QStringLiteral("Посох ст. мага|Посохи"),
                                         QStringLiteral("Шлем стража|Шлемы")}));

    // Looking: the card shows the item where its layout says.
    list->selectCell(0, rowOf(list, QStringLiteral("Меч героя")));
    trigger(list, "N1");
    auto *card = named<ItemCardWindow>(main, QStringLiteral("TForm20"));
    ASSERT_TRUE(card->isVisible());
    EXPECT_EQ(named<QLabel>(card, QStringLiteral("LabelName"))->text(), QStringLiteral("Меч героя"));
    EXPECT_EQ(named<QLabel>(card, QStringLiteral("LabelCostCoin"))->text(), QStringLiteral("м."));
    EXPECT_EQ(named<QLabel>(card, QStringLiteral("LabelCritValue"))->text(), QStringLiteral("5"));
    EXPECT_EQ(named<QLabel>(card, QStringLiteral("LabelCritConst"))->y(), 75);
    EXPECT_EQ(named<QLabel>(card, QStringLiteral("LabelTrebLvlConst"))->y(), 111);
    EXPECT_FALSE(named<QLabel>(card, QStringLiteral("LabelUvorotConst"))->isVisible());
    EXPECT_EQ(named<QPushButton>(card, QStringLiteral("SpeedButton2"))->y(), 167);
    EXPECT_EQ(named<QWidget>(card, QStringLiteral("PanelRightBottom"))->height(), 212);
    EXPECT_EQ(card->height(), 305);
    EXPECT_FALSE(named<QLabel>(card, QStringLiteral("Image1"))->pixmap().isNull());

    // Wearing: no requirement check, the list and the card go, the main window shows it.
    t->messages.messages.clear();
    named<QPushButton>(card, QStringLiteral("SpeedButton2"))->click();
    test::processEvents();
    EXPECT_TRUE(t->messages.messages.isEmpty()) << t->messages.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(card->isVisible());
    EXPECT_FALSE(list->isVisible());
    const Planner &planner = *t->program->planner;
    const int row = planner.state().slot(Slot::Weapon).row;
    EXPECT_EQ(planner.state().catalogue.table(Category::Weapons).cell(col::Name, row), QStringLiteral("Меч героя"));
    EXPECT_EQ(named<QLabel>(main, QStringLiteral("LCrit"))->text(), QStringLiteral("5"));
    EXPECT_FALSE(named<QLabel>(main, QStringLiteral("Image_weapon"))->pixmap().isNull());

    // Editing under a new name moves the file.
    trigger(main, "N8");
    list->selectCell(1, rowOf(list, QStringLiteral("Меч героя")));
    trigger(list, "N2");
    auto *edit = named<EditItemWindow>(main, QStringLiteral("TForm13"));
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(named<QLineEdit>(edit, QStringLiteral("EditName"))->text(), QStringLiteral("Меч героя"));
    EXPECT_EQ(named<QLineEdit>(edit, QStringLiteral("EditCrit"))->text(), QStringLiteral("5"));
    setInput(edit, "EditName", QStringLiteral("Меч славы"));
    t->messages.messages.clear();
    named<QPushButton>(edit, QStringLiteral("SpeedButton2"))->click();
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("Предмет изменён.")});
    EXPECT_FALSE(edit->isVisible());
    list->refresh();
    EXPECT_EQ(rowOf(list, QStringLiteral("Меч героя")), 0);
    ASSERT_GT(rowOf(list, QStringLiteral("Меч славы")), 0);

    // Deleting, down to an empty list.
    t->messages.messages.clear();
    for (int i = 0; i < 5; ++i) {
        list->selectCell(0, 1);
        trigger(list, "N3");
    }
    EXPECT_EQ(t->messages.messages, QStringList(5, QStringLiteral("Предмет удалён.")));
    EXPECT_EQ(listed(list), QStringList{QStringLiteral("|")}) << "one empty line";
    t->messages.messages.clear();
    trigger(list, "N1");
    trigger(list, "N2");
    trigger(list, "N3");
    EXPECT_EQ(t->messages.messages, (QStringList{QStringLiteral("Предмет не найден!"), QStringLiteral("Предмет не найден!"),
                                                 QStringLiteral("Предмет не удалён.")}));
}

TEST(CustomItemWindows, ADamagedFileIsNamedAndTheWindowsStayUsable) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    QFile damaged(t->folder + QStringLiteral("/DataObject/Обрывок.Шлемы"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, '\x05'));
    damaged.close();

    trigger(main, "N8");
    auto *list = named<ItemListWindow>(main, QStringLiteral("TForm_My_Object"));
    list->selectCell(0, rowOf(list, QStringLiteral("Обрывок")));
    trigger(list, "N1");
    trigger(list, "N2");
    const QString expected = QStringLiteral("Файл «Обрывок.Шлемы» не является файлом предмета: его размер 100 байт, "
                                            "а запись предмета занимает 810 байт.");
    EXPECT_EQ(t->messages.messages, (QStringList{expected, expected}));
    EXPECT_FALSE(named<QWidget>(main, QStringLiteral("TForm20"))->isVisible());
    EXPECT_FALSE(named<QWidget>(main, QStringLiteral("TForm13"))->isVisible());

    // The next item still opens.
    list->selectCell(0, rowOf(list, QStringLiteral("Шлем стража")));
    trigger(list, "N1");
    auto *card = named<ItemCardWindow>(main, QStringLiteral("TForm20"));
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(named<QLabel>(card, QStringLiteral("LabelBronGoloviValue"))->text(), QStringLiteral("50"));
    EXPECT_FALSE(named<QLabel>(card, QStringLiteral("Image1"))->pixmap().isNull()) << "found whatever its letter case";

    // A file named longer than one can type opens whole, so saving does not rename it.
    const QString longName = QStringLiteral("Шлем стража древней крепости на холме");  // 37 characters
    ASSERT_TRUE(QFile::copy(t->folder + QStringLiteral("/DataObject/Шлем стража.Шлемы"),
                            t->folder + QStringLiteral("/DataObject/") + longName + QStringLiteral(".Шлемы")));
    list->refresh();
    list->selectCell(0, rowOf(list, longName));
    trigger(list, "N2");
    auto *edit = named<EditItemWindow>(main, QStringLiteral("TForm13"));
    EXPECT_EQ(named<QLineEdit>(edit, QStringLiteral("EditName"))->text(), longName);
    t->messages.messages.clear();
    named<QPushButton>(edit, QStringLiteral("SpeedButton2"))->click();
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("Предмет изменён.")});
    EXPECT_TRUE(QFile::exists(t->folder + QStringLiteral("/DataObject/") + longName + QStringLiteral(".Шлемы")));
}

TEST(CustomItemWindows, ARingWithEveryRingSlotTakenIsRefusedAndTheWindowsStillClose) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    trigger(main, "N8");
    auto *list = named<ItemListWindow>(main, QStringLiteral("TForm_My_Object"));
    auto *card = named<ItemCardWindow>(main, QStringLiteral("TForm20"));
    for (int i = 0; i < 6; ++i) {
        trigger(main, "N8");
        list->selectCell(0, rowOf(list, QStringLiteral("Кольцо странника")));
        trigger(list, "N1");
        named<QPushButton>(card, QStringLiteral("SpeedButton2"))->click();
        test::processEvents();
    }
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("Все слоты для колец заняты.")});
    EXPECT_FALSE(card->isVisible());
    EXPECT_FALSE(list->isVisible());
    for (const Slot ring : kRingSlots)
        EXPECT_EQ(t->program->planner->state().slot(ring).setName, QStringLiteral("Да"));
}

}  // namespace
}  // namespace veldora
