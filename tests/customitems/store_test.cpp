#include "catalogue/ProgramFiles.h"
#include "customitems/Cp1251.h"
#include "customitems/CustomItemForm.h"
#include "customitems/CustomItemNames.h"
#include "support/PlannerFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;
using test::RecordedMessages;

namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A program folder without DataObject/, and a picture outside it to choose.
struct Folder {
    QTemporaryDir dir;
    QString program = dir.path() + QStringLiteral("/program");
    QString picture = dir.path() + QStringLiteral("/chosen/sword.jpg");
    CustomItemStore store{program};
    RecordedMessages messages;

    Folder() {
        QDir().mkpath(program);
        writeFile(picture, "picture bytes");
        forgetFolderListings();
    }
    QString item(const QString &fileName) const { return program + QStringLiteral("/DataObject/") + fileName; }
    CustomItemForm form(const QString &name, const QString &type) const {
        CustomItemForm f = CustomItemForm::defaults();
        f.texts[field::Name] = name;
        f.texts[field::Type] = type;
        f.picture = picture;
        return f;
    }
    bool create(const QString &name, const QString &type) {
        CustomItemForm f = form(name, type);
        return createCustomItem(store, f, messages);
    }
    QStringList names() const {
        QStringList n;
        for (const CustomItemEntry &e : store.list().entries) n << e.fileName;
        return n;
    }
    int filesUnderProgram() const {
        int n = 0;
        for (QDirIterator it(program, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext(); it.next())
            ++n;
        return n;
    }
};

}  // namespace

TEST(CustomItemCreation, WritesTheExactRecordCreatingTheFoldersThenResetsTheForm) {
    Folder f;
    CustomItemForm form = f.form(QStringLiteral("Меч героя"), QStringLiteral("Мечи"));
    form.texts[*fieldByInput(QStringLiteral("EditCrit"))] = QStringLiteral("15");
    form.setFlag(field::Coins, false);
    ASSERT_TRUE(createCustomItem(f.store, form, f.messages));
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Предмет создан.")});
    EXPECT_EQ(form, CustomItemForm::defaults()) << "reset after the save";

    const QByteArray bytes = readAll(f.item(QStringLiteral("Меч героя.Мечи")));
    ASSERT_EQ(bytes.size(), 810);
    EXPECT_EQ(bytes[256], char(9));
    EXPECT_EQ(bytes.mid(287, 5), QByteArray("\x04\xCC\xE5\xF7\xE8"));
    EXPECT_EQ(bytes.mid(0, 25), QByteArray("\x18") + "DataObject\\img\\sword.jpg");
    EXPECT_EQ(bytes[310], char(0)) << "gold";
    EXPECT_EQ(bytes.mid(325, 3), QByteArray("\x02" "15"));
    EXPECT_EQ(bytes.mid(565, 2), QByteArray("\x01" "1")) << "level requirement default";
    EXPECT_EQ(bytes.mid(570, 2), QByteArray("\x01" "3")) << "strength requirement default";
    EXPECT_EQ(bytes.mid(314, 4), QByteArray("\x03" "0/0"));
    EXPECT_EQ(readAll(f.program + QStringLiteral("/DataObject/img/sword.jpg")), QByteArray("picture bytes"));

    // The reset forgot the picture: saving again at once is refused.
    form.texts[field::Name] = QStringLiteral("Меч героя");
    form.texts[field::Type] = QStringLiteral("Мечи");
    f.messages.shown.clear();
    EXPECT_FALSE(createCustomItem(f.store, form, f.messages));
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Вы не указать путь к файлу")});
}

TEST(CustomItemCreation, SameNameAndTypeReplacesAnotherTypeAddsAndPresentPicturesAreKept) {
    Folder f;
    writeFile(f.program + QStringLiteral("/DataObject/img/SWORD.JPG"), "already there");
    forgetFolderListings();
    ASSERT_TRUE(f.create(QStringLiteral("Меч"), QStringLiteral("Мечи")));
    CustomItemForm second = f.form(QStringLiteral("Меч"), QStringLiteral("Мечи"));
    second.texts[*fieldByInput(QStringLiteral("EditCrit"))] = QStringLiteral("99");
    ASSERT_TRUE(createCustomItem(f.store, second, f.messages));
    ASSERT_TRUE(f.create(QStringLiteral("Меч"), QStringLiteral("Ножи")));
    EXPECT_EQ(f.names(), (QStringList{QStringLiteral("Меч.Мечи"), QStringLiteral("Меч.Ножи")}));

    const QByteArray replaced = readAll(f.item(QStringLiteral("Меч.Мечи")));
    EXPECT_EQ(replaced.mid(325, 3), QByteArray("\x02" "99"));
    // The picture of that name (letter case aside) was not copied over; the record names it.
    EXPECT_EQ(QDir(f.program + QStringLiteral("/DataObject/img")).entryList(QDir::Files),
              QStringList{QStringLiteral("SWORD.JPG")});
    EXPECT_EQ(readAll(f.program + QStringLiteral("/DataObject/img/SWORD.JPG")), QByteArray("already there"));
    EXPECT_EQ(f.store.pictureFile(QStringLiteral("DataObject\\img\\sword.jpg")),
              f.program + QStringLiteral("/DataObject/img/SWORD.JPG"));
}

TEST(CustomItemCreation, DottedNamesAndLongTypesNameTheFileInFull) {
    Folder f;
    ASSERT_TRUE(f.create(QStringLiteral("Посох ст. мага"), QStringLiteral("Посохи")));
    const QString longType = QStringLiteral("Двуручные секиры!");  // 17 characters
    ASSERT_TRUE(f.create(QStringLiteral("Секира"), longType));

    const CustomItemListing listing = f.store.list();
    ASSERT_EQ(listing.entries.size(), 2);
    EXPECT_EQ(listing.entries[0], (CustomItemEntry{QStringLiteral("Посох ст. мага"), QStringLiteral("Посохи"),
                                                   QStringLiteral("Посох ст. мага.Посохи")}));
    EXPECT_EQ(listing.entries[1].type, longType);
    const auto record = f.store.read(QStringLiteral("Секира.") + longType);
    ASSERT_TRUE(std::holds_alternative<CustomItemRecord>(record));
    EXPECT_EQ(std::get<CustomItemRecord>(record).text(field::Type), longType.left(16));
}

TEST(CustomItemCreation, MissingInputsAndNamesThatCannotBeFilesWriteNothing) {
    Folder f;
    const auto refused = [&](const QString &name, const QString &type, bool picture = true) {
        CustomItemForm form = f.form(name, type);
        if (!picture) form.picture.clear();
        f.messages.shown.clear();
        const bool saved = createCustomItem(f.store, form, f.messages);
        return saved || f.messages.shown.size() != 1 ? QStringLiteral("saved") : f.messages.shown[0];
    };
    EXPECT_EQ(refused(QString(), QStringLiteral("Мечи")), QStringLiteral("Вы не ввели название предмета"));
    EXPECT_EQ(refused(QStringLiteral("Меч"), QString()), QStringLiteral("Вы не ввели тип предмета"));
    EXPECT_EQ(refused(QStringLiteral("Меч"), QStringLiteral("Мечи"), false), QStringLiteral("Вы не указать путь к файлу"));
    EXPECT_EQ(refused(QStringLiteral("../../etc/x"), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета не может содержать знак «/»: он разделяет папки."));
    EXPECT_EQ(refused(QStringLiteral("Меч"), QStringLiteral("..\\x")),
              QStringLiteral("Тип предмета не может содержать знак «\\»: он разделяет папки."));
    EXPECT_EQ(refused(QStringLiteral(".."), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета не может быть «.» или «..»."));
    EXPECT_EQ(refused(QStringLiteral("Меч"), QStringLiteral(".")), QStringLiteral("Тип предмета не может быть «.» или «..»."));
    EXPECT_EQ(refused(QStringLiteral("   "), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета не может состоять из одних пробелов."));
    EXPECT_EQ(refused(QStringLiteral("Меч\tгероя"), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета не может содержать управляющие знаки."));
    EXPECT_EQ(refused(QStringLiteral("Меч?"), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета не может содержать знак «?»: Windows не допускает его в именах файлов."));
    EXPECT_EQ(refused(QStringLiteral("Меч中"), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета не может содержать знак «中»: его нет в кодировке Windows-1251."));
    EXPECT_EQ(refused(QStringLiteral("Меч"), QStringLiteral("Мечи.")),
              QStringLiteral("Тип предмета не может оканчиваться точкой или пробелом: Windows отбрасывает их в именах "
                             "файлов."));
    EXPECT_EQ(refused(QStringLiteral("com1"), QStringLiteral("Мечи")),
              QStringLiteral("Название предмета «com1» занято устройством Windows и не может быть именем файла."));
    f.picture = f.dir.path() + QStringLiteral("/chosen/a:b.jpg");
    EXPECT_EQ(refused(QStringLiteral("Меч"), QStringLiteral("Мечи")),
              QStringLiteral("Имя файла изображения не может содержать знак «:»: Windows не допускает его в именах "
                             "файлов."));
    EXPECT_FALSE(QFileInfo::exists(f.program + QStringLiteral("/DataObject")));
    EXPECT_EQ(f.filesUnderProgram(), 0);
}

TEST(CustomItemCreation, FailedWritesKeepTheFormAndAFailedPictureCopyIsSaid) {
    Folder f;
    writeFile(f.program + QStringLiteral("/DataObject"), "a file where the folder should be");
    CustomItemForm form = f.form(QStringLiteral("Меч"), QStringLiteral("Мечи"));
    const CustomItemForm typed = form;
    EXPECT_FALSE(createCustomItem(f.store, form, f.messages));
    EXPECT_EQ(f.messages.shown,
              QStringList{QStringLiteral("Не удалось создать папку «%1».").arg(f.program + QStringLiteral("/DataObject"))});
    EXPECT_EQ(form, typed);

    Folder g;
    g.picture = g.dir.path() + QStringLiteral("/chosen/gone.bmp");
    ASSERT_TRUE(g.create(QStringLiteral("Меч"), QStringLiteral("Мечи")));
    EXPECT_EQ(g.messages.shown,
              (QStringList{QStringLiteral("Предмет создан."),
                           QStringLiteral("Изображение «%1» не скопировано в папку DataObject\\img\\: предмет будет "
                                          "показан без него.")
                               .arg(g.picture)}));
    EXPECT_EQ(readAll(g.item(QStringLiteral("Меч.Мечи"))).mid(0, 24), QByteArray("\x17") + "DataObject\\img\\gone.bmp");
}

TEST(CustomItemList, SplitsAtTheLastDotListsForeignEntriesAndSortsAlphabetically) {
    Folder f;
    for (const char *name : {"Жук.Мечи", "Ёж.Шлемы", "Ель.Кольца", "бобр.Мечи", "без точки", "x.y.Мечи", ".скрытый"})
        writeFile(f.item(QString::fromUtf8(name)), "foreign");
    QDir().mkpath(f.item(QStringLiteral("img")));
    QDir().mkpath(f.item(QStringLiteral("Папка.Щиты")));
    const CustomItemListing listing = f.store.list();
    QStringList shown;
    for (const CustomItemEntry &e : listing.entries) shown << e.name + QLatin1Char('|') + e.type;
    EXPECT_EQ(shown, (QStringList{QStringLiteral("|без точки"), QStringLiteral("|скрытый"), QStringLiteral("x.y|Мечи"),
                                  QStringLiteral("бобр|Мечи"), QStringLiteral("Ель|Кольца"), QStringLiteral("Ёж|Шлемы"),
                                  QStringLiteral("Жук|Мечи"), QStringLiteral("Папка|Щиты")}));

    // Foreign files read as what they are.
    const auto foreign = f.store.read(QStringLiteral("Жук.Мечи"));
    ASSERT_TRUE(std::holds_alternative<QString>(foreign));
    EXPECT_EQ(std::get<QString>(foreign), QStringLiteral("Файл «Жук.Мечи» не является файлом предмета: его размер 7 "
                                                         "байт, а запись предмета занимает 810 байт."));
    EXPECT_EQ(std::get<QString>(f.store.read(QStringLiteral("Папка.Щиты"))),
              QStringLiteral("Не удалось открыть файл «Папка.Щиты»."));
    EXPECT_FALSE(f.store.remove(QStringLiteral("Папка.Щиты")));
    EXPECT_FALSE(f.store.remove(QString()));
}

TEST(CustomItemList, HoldsAtMost254EntriesAndNothingForAMissingFolder) {
    Folder f;
    EXPECT_EQ(f.store.list().total, 0);
    for (int i = 0; i < 300; ++i) writeFile(f.item(QStringLiteral("Предмет %1.Кольца").arg(i, 3, 10, QLatin1Char('0'))), "");
    const CustomItemListing listing = f.store.list();
    EXPECT_EQ(listing.total, 300);
    ASSERT_EQ(listing.entries.size(), kMaxListedItems);
    EXPECT_EQ(listing.entries.back().name, QStringLiteral("Предмет 253"));
}

TEST(CustomItemEditing, MovesTheFileAndKeepsTheFieldsWithoutInputAndEveryByteAfterATexts) {
    Folder f;
    CustomItemForm form = f.form(QStringLiteral("Меч героя"), QStringLiteral("Мечи"));
    form.texts[*fieldByInput(QStringLiteral("EditAuraSun"))] = QStringLiteral("7");
    form.texts[*fieldByInput(QStringLiteral("EditWeaponKopya"))] = QStringLiteral("12");
    ASSERT_TRUE(createCustomItem(f.store, form, f.messages));
    // Leftovers of the Windows version's buffer after the name's text.
    QByteArray original = readAll(f.item(QStringLiteral("Меч героя.Мечи")));
    original.replace(270, 4, "\x01\x02\x03\x04");
    writeFile(f.item(QStringLiteral("Меч героя.Мечи")), original);

    const CustomItemEntry entry = f.store.list().entries.at(0);
    auto item = openCustomItem(f.store, entry, f.messages);
    ASSERT_TRUE(item);
    CustomItemForm edited = CustomItemForm::fromRecord(item->record, entry);
    EXPECT_EQ(edited.picture, QStringLiteral("DataObject\\img\\sword.jpg"));
    EXPECT_EQ(edited.texts[*fieldByInput(QStringLiteral("EditAuraSun"))], QStringLiteral("7"));

    // Unchanged: the same bytes, the picture's copy onto itself skipped.
    f.messages.shown.clear();
    ASSERT_TRUE(saveEditedItem(f.store, *item, edited, f.messages));
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Предмет изменён.")});
    EXPECT_EQ(readAll(f.item(QStringLiteral("Меч героя.Мечи"))), original);

    // Renamed: listed under the new name only. The window has no sun-aura or
    // spear input, so whatever the form says there is not written.
    edited.texts[field::Name] = QStringLiteral("Меч славы");
    edited.texts[*fieldByInput(QStringLiteral("EditAuraSun"))] = QStringLiteral("0");
    ASSERT_TRUE(saveEditedItem(f.store, *item, edited, f.messages));
    EXPECT_EQ(f.names(), QStringList{QStringLiteral("Меч славы.Мечи")});
    CustomItemRecord expected = std::get<CustomItemRecord>(CustomItemRecord::fromBytes(original));
    expected.setText(field::Name, QStringLiteral("Меч славы"));
    EXPECT_EQ(readAll(f.item(QStringLiteral("Меч славы.Мечи"))), expected.bytes());
    EXPECT_EQ(item->openedFrom, QStringLiteral("Меч славы.Мечи"));

    // A letter-case change alone moves it too; the file is not lost.
    edited.texts[field::Name] = QStringLiteral("меч славы");
    ASSERT_TRUE(saveEditedItem(f.store, *item, edited, f.messages));
    EXPECT_EQ(f.names(), QStringList{QStringLiteral("меч славы.Мечи")});
}

TEST(CustomItemEditing, AMoveThatCannotWriteTheNewFileKeepsTheOldOne) {
    Folder f;
    ASSERT_TRUE(f.create(QStringLiteral("Меч"), QStringLiteral("Мечи")));
    QDir().mkpath(f.item(QStringLiteral("Занято.Мечи")));  // a folder where the new file would go
    const CustomItemEntry entry{QStringLiteral("Меч"), QStringLiteral("Мечи"), QStringLiteral("Меч.Мечи")};
    auto item = openCustomItem(f.store, entry, f.messages);
    ASSERT_TRUE(item);
    CustomItemForm edited = CustomItemForm::fromRecord(item->record, entry);
    edited.texts[field::Name] = QStringLiteral("Занято");
    f.messages.shown.clear();
    EXPECT_FALSE(saveEditedItem(f.store, *item, edited, f.messages));
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_EQ(f.messages.shown[0], QStringLiteral("Не удалось записать файл «Занято.Мечи» (имя файла ссылается на каталог)."))
        << "the reason in Russian";
    EXPECT_EQ(readAll(f.item(QStringLiteral("Меч.Мечи"))).size(), 810);
    EXPECT_EQ(item->openedFrom, QStringLiteral("Меч.Мечи"));

    // Deleting keeps the picture.
    EXPECT_TRUE(f.store.remove(QStringLiteral("Меч.Мечи")));
    EXPECT_FALSE(QFileInfo::exists(f.item(QStringLiteral("Меч.Мечи"))));
    EXPECT_TRUE(QFileInfo::exists(f.item(QStringLiteral("img/sword.jpg"))));
}
