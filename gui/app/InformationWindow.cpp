#include "app/InformationWindow.h"

#include "app/MainWindow.h"
#include "art/Artwork.h"
#include "art/Fonts.h"
#include "art/Labels.h"
#include "app/WindowPlatform.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace veldora {

namespace {

// The two credit lines: caption, name and the link picture after the name.
struct Credit {
    const char *captionLabel;
    const char *caption;
    QPoint captionAt;
    const char *nameLabel;
    const char *name;
    QPoint nameAt;
    const char *picture;
    QPoint pictureAt;
    const char *address;
};
const Credit kCredits[] = {
    {"Label3", "Идея, программирование и оформление:", {13, 215}, "Label2", "Morvessa", {326, 215}, "Image2",
     {370, 218}, "https://veldora.example/authors/morvessa"},
    {"Label1", "Каталог предметов и проверка комплектов:", {13, 232}, "Label6", "Тарвин", {382, 232}, "Image3",
     {435, 235}, "https://veldora.example/authors/tarvin"},
};

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QPoint at, const QFont &font) {
    return placedLabel(parent, QString::fromLatin1(name), text, font, at);
}

void paintBanner(QPixmap &pix, const QColor &top, const QColor &bottom, const QString &text, int pixelSize,
                 bool italic) {
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, pix.height());
    back.setColorAt(0.0, top);
    back.setColorAt(1.0, bottom);
    p.setPen(QPen(QColor(110, 70, 30), 1.5));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(pix.rect()).adjusted(1, 1, -1, -1), 8, 8);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(pix.width() / 2.0 - bounds.center().x(), pix.height() / 2.0 - bounds.center().y());
    p.setPen(QPen(QColor(70, 36, 10), 1));
    p.setBrush(QColor(255, 236, 180));
    p.drawPath(path);
}

}  // namespace

QPixmap makerBanner() {
    QPixmap pix(393, 50);
    paintBanner(pix, QColor(150, 74, 36), QColor(84, 38, 18), QStringLiteral("Made By Morvessa"), 28, true);
    return pix;
}

QPixmap testVersionBanner() {
    QPixmap pix(189, 40);
    paintBanner(pix, QColor(70, 110, 60), QColor(36, 64, 30), QStringLiteral("Test Version"), 20, false);
    return pix;
}

QPixmap webLinkPicture() {
    QPixmap pix(12, 11);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setPen(QColor(20, 60, 160));
    p.drawRect(0, 3, 7, 7);
    p.drawLine(4, 6, 11, 0);
    p.drawLine(7, 0, 11, 0);
    p.drawLine(11, 0, 11, 4);
    return pix;
}

InformationWindow::InformationWindow(int catalogueItemCount, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), opener_(defaultExternalOpener()) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Информация"));
    setFixedSize(515, 325);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::windowColour());
    setPalette(pal);
    setAutoFillBackground(true);

    auto *maker = new QLabel(this);
    maker->setObjectName(QStringLiteral("Image6"));
    maker->setGeometry(65, 27, 393, 50);
    maker->setPixmap(makerBanner());
    auto *test = new QLabel(this);
    test->setObjectName(QStringLiteral("Image1"));
    test->setGeometry(157, 99, 189, 40);
    test->setPixmap(testVersionBanner());

    const QFont bold = sansSerifFont(11, true);
    const QFont plain = sansSerifFont(11);
    addLabel(this, "Label4", QStringLiteral("Статистика"), {13, 170}, bold);
    addLabel(this, "Label5", QStringLiteral("Предметов в базе:"), {13, 187}, plain);
    // Counted once at start-up; the catalogue does not change while the program runs.
    addLabel(this, "LabelBaseCount", QString::number(catalogueItemCount), {142, 187}, bold);

    for (const Credit &c : kCredits) {
        addLabel(this, c.captionLabel, QString::fromUtf8(c.caption), c.captionAt, plain);
        const QLabel *name = addLabel(this, c.nameLabel, QString::fromUtf8(c.name), c.nameAt, bold);
        auto *link = new PictureButton(this);
        link->setObjectName(QString::fromLatin1(c.picture));
        // After the name even where this system's font sets it wider than the design's.
        const QPoint at(std::max(c.pictureAt.x(), name->geometry().right() + 4), c.pictureAt.y());
        link->setGeometry(QRect(at, QSize(12, 11)));
        link->setPixmap(webLinkPicture());
        link->setToolTip(QString::fromLatin1(c.address));
        const QUrl address(QString::fromLatin1(c.address));
        connect(link, &PictureButton::clicked, this, [this, address] {
            if (opener_) opener_(address);
        });
    }

    centreOnScreen(this);
}

void InformationWindow::attach(MainWindow &main) {
    if (QAction *entry = main.menuEntry("MenuInformation"))
        connect(entry, &QAction::triggered, this, [this] { bringToFront(this); });
}

}  // namespace veldora
