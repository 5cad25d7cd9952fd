#include "GuiTestSupport.h"

#include "FixtureCatalogue.h"
#include "app/CatalogueTabs.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "catalogue/ProgramFiles.h"
#include "support/QStringPrinter.h"
#include "views/BrowserWindow.h"
#include "customitems/CustomItemFields.h"
#include "customitems/CustomItemRecord.h"
#include "customitems/ItemCardWindow.h"
#include "customitems/ItemListWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace veldora {
namespace {

QRgb colourOf(int tab) { return QColor::fromHsv(tab * 25, 255, 230).rgb(); }
QRgb centre(const QPixmap &p) { return p.toImage().pixel(p.width() / 2, p.height() / 2); }
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSwordColour = qRgb(0, 0, 255);
// JPEG keeps a plain colour close, not exact.
bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 8 && std::abs(qGreen(a) - qGreen(b)) < 8 && std::abs(qBlue(a) - qBlue(b)) < 8;
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A program folder as a player brings it from Windows, where names ignore letter
// case: the database says `шлемы\Шлем_0.bmp` and `ШЛЕМЫ`, the disk holds
// `Img/Шлемы/ШЛЕМ_0.BMP`; Base/MAIN.MDB, INI.INI, Img/NO_IMAGE.BMP.
struct WindowsFolder {
    QTemporaryDir dir;
    QString root;
    WindowsFolder() : root(dir.path() + QStringLiteral("/Вельдора")) {}

    QString build() {
        veldora::testing::FixtureCatalogue f;
        for (int t = 0; t < kCatalogueTabCount; ++t) {
            const CatalogueTab &tab = kCatalogueTabs[t];
            const QString type = QString::fromUtf8(tab.caption);
            // Every other category's type written in capitals, the rest in small letters.
            const QString typeText = t % 2 ? type.toUpper() : type.toLower();
            const QString stored = QStringLiteral("%1\\%2_%3.bmp").arg(type.toLower(), QStringLiteral("Вещь"), QString::number(t));
            const QString onDisk = QStringLiteral("%1/Img/%2/%3_%4.BMP").arg(root, type, QStringLiteral("ВЕЩЬ"), QString::number(t));
            if (!QDir().mkpath(QFileInfo(onDisk).path())) return QStringLiteral("mkpath");
            QImage picture(tab.pictureWidth, tab.pictureHeight, QImage::Format_RGB32);
            picture.fill(QColor(colourOf(t)));
            if (!picture.save(onDisk, "BMP")) return QStringLiteral("save ") + onDisk;
            f.addItemOfType(typeText, QStringLiteral("Вещь %1").arg(t), 1, {{col::File, stored}});
        }
        // One picture that is really missing: the fallback, found in its own letter case.
        f.addItemOfType(QStringLiteral("шЛЕМЫ"), QStringLiteral("Шлем без картинки"), 2,
                        {{col::File, QStringLiteral("\\нет\\такой.jpg")}});
        QImage fallback(60, 60, QImage::Format_RGB32);
        fallback.fill(Qt::black);
        if (!fallback.save(root + QStringLiteral("/Img/NO_IMAGE.BMP"), "BMP")) return QStringLiteral("fallback");
        if (const QString e = f.write(root); !e.isEmpty()) return e;
        QDir r(root);
        if (!r.rename(QStringLiteral("base/main.mdb"), QStringLiteral("base/MAIN.MDB")) ||
            !r.rename(QStringLiteral("base"), QStringLiteral("Base")))
            return QStringLiteral("rename");
        writeBytes(root + QStringLiteral("/INI.INI"), QByteArray("\x00\x01", 2));
        // A custom item as the Windows version wrote it: cp1251 text, its folder and
        // picture named in another letter case than the record says.
        CustomItemRecord sword;
        for (int i = 0; i < kCustomItemFieldCount; ++i) {
            const CustomItemField &f = kCustomItemFields[i];
            if (f.kind == FieldKind::Flag)
                sword.setFlag(i, f.defaultText[0] == '1');
            else
                sword.setText(i, QString::fromUtf8(f.defaultText));
        }
        sword.setText(field::Name, QStringLiteral("Меч героя"));
        sword.setText(field::Type, QStringLiteral("Мечи"));
        sword.setText(field::Picture, QStringLiteral("DataObject\\img\\меч героя.jpg"));
        sword.setText(*fieldByInput(QStringLiteral("EditCrit")), QStringLiteral("5"));
        if (!sword.bytes().contains(QByteArray("\xcc\xe5\xf7 \xe3\xe5\xf0\xee\xff"))) return QStringLiteral("cp1251");
        if (!QDir().mkpath(root + QStringLiteral("/DATAOBJECT/IMG"))) return QStringLiteral("mkpath DataObject");
        writeBytes(root + QStringLiteral("/DATAOBJECT/Меч героя.Мечи"), sword.bytes());
        QImage swordPicture(60, 60, QImage::Format_RGB32);
        swordPicture.fill(QColor(kSwordColour));
        if (!swordPicture.save(root + QStringLiteral("/DATAOBJECT/IMG/МЕЧ ГЕРОЯ.JPG"), "JPEG", 100))
            return QStringLiteral("sword picture");
        forgetFolderListings();
        return {};
    }
};

TEST(WindowsFolder, TheProgramStartsOnAFolderFromTheWindowsVersion) {
    WindowsFolder folder;
    ASSERT_EQ(folder.build(), QString());
    test::RecordingMessages messages;
    auto started = startProgram(folder.root, messages, kStartAtOnce);
    ASSERT_TRUE(started->mainWindow) << started->error.toStdString();
    test::processEvents();
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
    const PlannerState &state = started->planner->state();

    // Every category loaded whatever the letter case of its type; every picture found.
    EXPECT_EQ(state.catalogue.itemCount, kCatalogueTabCount + 1);
    for (int t = 0; t < kCatalogueTabCount; ++t) {
        CatalogueGrid *grid = started->browser->grid(t);
        ASSERT_EQ(grid->pictureCount(), t == 0 ? 2 : 1) << kCatalogueTabs[t].caption;
        EXPECT_EQ(centre(grid->picture(1)), colourOf(t)) << kCatalogueTabs[t].caption;
    }
    EXPECT_EQ(centre(started->browser->grid(0)->picture(2)), kBlack) << "NO_IMAGE.BMP stands in";

    // The settings came from INI.INI: the requirement check is on, and saved there.
    QAction *check = started->mainWindow->menuEntry("N23");
    EXPECT_TRUE(check->isChecked());
    check->trigger();
    QFile ini(folder.root + QStringLiteral("/INI.INI"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("\x00\x00", 2));
    EXPECT_FALSE(QFileInfo::exists(folder.root + QStringLiteral("/ini.ini")));

    // Worn, the item shows its own picture on the slot; the missing one the fallback.
    emit started->browser->pictureClicked(0, 1);
    emit started->browser->pictureClicked(tab::Rings, 1);
    ASSERT_EQ(state.slot(Slot::Helmet).row, 1);
    EXPECT_EQ(centre(started->mainWindow->slotPicture(Slot::Helmet)->pixmap()), colourOf(0));
    EXPECT_EQ(centre(started->mainWindow->slotPicture(Slot::Ring1)->pixmap()), colourOf(tab::Rings));
    emit started->browser->pictureClicked(0, 2);
    EXPECT_EQ(centre(started->mainWindow->slotPicture(Slot::Helmet)->pixmap()), kBlack);

    // The custom item is listed, read and worn, with its own picture.
    started->mainWindow->menuEntry("N8")->trigger();
    test::processEvents();
    auto *list = test::named<ItemListWindow>(started->mainWindow.get(), QStringLiteral("TForm_My_Object"));
    ASSERT_EQ(list->listing().entries.size(), 1);
    EXPECT_EQ(list->listing().entries[0].name, QStringLiteral("Меч героя"));
    EXPECT_EQ(list->listing().entries[0].type, QStringLiteral("Мечи"));
    list->selectCell(0, 1);
    list->look();
    test::processEvents();
    auto *card = test::named<ItemCardWindow>(started->mainWindow.get(), QStringLiteral("TForm20"));
    ASSERT_TRUE(card->isVisible());
    test::named<QPushButton>(card, QStringLiteral("SpeedButton2"))->click();
    test::processEvents();
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
    const int row = state.slot(Slot::Weapon).row;
    ASSERT_NE(row, 0);
    EXPECT_EQ(state.catalogue.table(Category::Weapons).cell(col::Name, row), QStringLiteral("Меч героя"));
    EXPECT_EQ(started->mainWindow->sheetLabel(Lbl::LCrit)->text(), QStringLiteral("5"));
    EXPECT_TRUE(near(centre(started->mainWindow->slotPicture(Slot::Weapon)->pixmap()), kSwordColour));
}

}  // namespace
}  // namespace veldora
