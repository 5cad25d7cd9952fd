// Pictures of the program for the documentation: starts the program on the
// working folder as the player would, dresses a preset outfit, opens the item
// database and saves what the screen shows. Not part of the program itself.
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/Startup.h"
#include "views/BrowserWindow.h"
#include "views/InfoPanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

class PrintedMessages : public veldora::UserMessages {
public:
    void showMessage(const QString &text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'))));
    }
};

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

QImage screen(QWidget *main, QWidget *over = nullptr) {
    QImage image = main->grab().toImage();
    if (over) {
        QPainter p(&image);
        p.drawPixmap(over->mapToGlobal(QPoint(0, 0)) - main->mapToGlobal(QPoint(0, 0)), over->grab());
    }
    return image;
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Вельдора"));
    const QString outFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    PrintedMessages messages;
    auto program = veldora::startProgram(QDir::currentPath(), messages, veldora::kStartAtOnce);
    if (!program->mainWindow) return 1;
    veldora::MainWindow *main = program->mainWindow.get();
    // Without a window manager nothing maximizes the window; do it by hand.
    main->setGeometry(main->screen()->availableGeometry());
    settle();

    // A level 15 character strong enough for the outfit, entered as the player
    // does: the entry panel's fields, then Ok.
    main->findChild<QAction *>(QStringLiteral("MenuEnterCharacter"))->trigger();
    const std::pair<const char *, const char *> entry[] = {
        {"Edit1", "15"}, {"Edit2", "4"},  {"Edit3", "2"},  {"Edit4", "3"},  {"Edit5", "18"}, {"Edit6", "30"},
        {"Edit7", "14"}, {"Edit8", "20"}, {"Edit9", "10"}, {"Edit10", "6"}, {"Edit11", "3"}, {"Edit12", "2"}};
    for (const auto &[field, value] : entry)
        main->findChild<QLineEdit *>(QString::fromLatin1(field))->setText(QString::fromLatin1(value));
    main->findChild<QPushButton *>(QStringLiteral("Button_ok"))->click();
    settle();
    QAction *preset = veldora::findMenuEntry(main->menuBar(), {QStringLiteral("Одеть комплект"), QStringLiteral("Для уворотов"),
                                                  QStringLiteral("Комплект ангела"), QStringLiteral("Меч")});
    if (!preset) {
        std::fprintf(stderr, "preset entry not found\n");
        return 1;
    }
    preset->trigger();
    settle();
    if (!screen(main).save(outFolder + QStringLiteral("/main-window.png"))) return 1;

    veldora::BrowserWindow *browser = program->browser;
    browser->openOnTab(0);
    settle();
    browser->showCatalogueItemInfo(0, std::min(14, browser->grid(0)->pictureCount()));
    settle();
    if (!screen(main, browser).save(outFolder + QStringLiteral("/browser.png"))) return 1;
    browser->close();
    settle();

    // Choosing: part of a name typed into the search field, and what the first
    // helmet found would change and lack.
    browser->openOnTab(0);
    settle();
    auto *search = browser->findChild<QLineEdit *>(QStringLiteral("EditSearch"));
    if (!search) return 1;
    search->setText(QStringLiteral("рассвет"));
    settle();
    if (browser->grid(0)->shownCount() > 0) browser->showCatalogueItemInfo(0, browser->grid(0)->shownRows().front());
    settle();
    if (!screen(main, browser).save(outFolder + QStringLiteral("/choosing.png"))) return 1;
    browser->close();
    settle();
    return 0;
}
