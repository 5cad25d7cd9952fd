#include "crafting/ForgeWindow.h"

#include "app/ActionLabels.h"
#include "app/WindowPlatform.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "art/Artwork.h"
#include "art/Fonts.h"
#include "art/Labels.h"
#include "crafting/ForgeArt.h"

#include <QLabel>

namespace veldora {

namespace {

constexpr int kBandHeight = 118;
constexpr int kPictureBox = 100;
constexpr int kRowHeight = 17;
constexpr int kCaptionLeft = 16;
constexpr int kValueLeft = 318;
constexpr int kAdditionLeft = 372;
constexpr int kPlusLeft = 420;
constexpr int kMinusLeft = 440;

// What stands above and below each material's rows.
struct Group {
    Material material;
    const char *heading;      // UTF-8; nullptr: none
    const char *headingName;
    const char *lineBelow;    // the line picture under the group; nullptr: none
};
constexpr Group kGroups[] = {
    {Material::Ruby, "Рубины", "Label9", "Image7"},
    {Material::Silver, "Серебро", "Label1", "Image17"},
    {Material::Emerald, nullptr, nullptr, "Image3"},
    {Material::Copper, nullptr, nullptr, "Image29"},
    {Material::Gold, nullptr, nullptr, nullptr},
};

QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont &font, QPoint at,
              const QColor &colour = QColor()) {
    return placedLabel(parent, QString::fromLatin1(name), text, font, at, colour);
}

constexpr auto setText = setLabelText;

}  // namespace

ForgeWindow::ForgeWindow(Planner &planner, MainWindow &main)
    : QWidget(&main, Qt::Window), planner_(planner), main_(main) {
    setObjectName(QStringLiteral("TFormKuzn"));
    setWindowTitle(QStringLiteral("Ковка предметов"));
    setFont(verdanaFont(11));
    buildTop();
    const int height = buildRows(kBandHeight + 10) + 12;
    setFixedSize(kWidth, height);
    auto *background = new QLabel(this);
    background->setObjectName(QStringLiteral("ForgeBackground"));
    background->setPixmap(art::forgeBackground(kWidth, height, kBandHeight));
    background->setGeometry(0, 0, kWidth, height);
    background->lower();
    syncFromForge();
}

void ForgeWindow::buildTop() {
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(10, 9, kPictureBox, kPictureBox);
    picture_->setAlignment(Qt::AlignCenter);

    const QFont caption = verdanaFont(12, true);
    const QColor light(255, 244, 224);
    QLabel *unitsCaption = label(this, "Label2", QStringLiteral("Ещё ресурсов: "), caption, {128, 16}, light);
    units_ = label(this, "LabelResCount", QString(), caption, {128 + unitsCaption->width(), 16}, light);
    QLabel *countCaption = label(this, "Label41", QStringLiteral("Уровень ковки:"), caption, {128, 40}, light);
    forgeCount_ = label(this, "Label_count_kovka", QString(), caption, {128 + countCaption->width() + 4, 40}, light);

    auto *help = new PictureButton(this);
    help->setObjectName(QStringLiteral("Image2"));
    help->setPixmap(art::helpPicture());
    help->setGeometry(kWidth - 28, 10, 16, 16);
    connect(help, &PictureButton::clicked, this, [this] { planner_.message(QString::fromUtf8(kForgeHelp)); });

    auto *forge = new PictureButton(this);
    forge->setObjectName(QStringLiteral("Image4"));
    forge->setPixmap(art::forgeButtonPicture());
    forge->setGeometry(kWidth - art::kForgeButtonWidth - 18, kBandHeight - art::kForgeButtonHeight - 12,
                       art::kForgeButtonWidth, art::kForgeButtonHeight);
    connect(forge, &PictureButton::clicked, this, &ForgeWindow::forgeItem);
}

int ForgeWindow::buildRows(int top) {
    const QFont rowFont = verdanaFont(11);
    const QFont headingFont = verdanaFont(12, true);
    std::array<int, kForgePairCount> firstTop{}, lastTop{};
    firstTop.fill(-1);
    int y = top;
    for (const Group &g : kGroups) {
        if (g.heading) {
            label(this, g.headingName, QString::fromUtf8(g.heading), headingFont, {kCaptionLeft - 6, y});
            y += kRowHeight + 2;
        }
        for (int r = 0; r < kForgeRowCount; ++r) {
            const ForgeRow &row = kForgeRows[r];
            if (row.material != g.material) continue;
            rows_[r] = {label(this, row.captionLabel, QString::fromUtf8(row.caption), rowFont, {kCaptionLeft, y}),
                        label(this, row.valueLabel, QString(), rowFont, {kValueLeft, y}),
                        label(this, row.additionLabel, QString(), rowFont, {kAdditionLeft, y})};
            if (firstTop[row.pair] < 0) firstTop[row.pair] = y;
            lastTop[row.pair] = y;
            y += kRowHeight;
        }
        if (g.lineBelow) {
            auto *line = new QLabel(this);
            line->setObjectName(QString::fromLatin1(g.lineBelow));
            line->setPixmap(art::forgeLinePicture(kWidth - 20));
            line->setGeometry(10, y + 3, kWidth - 20, 4);
            y += 10;
        }
    }
    // A pair sits beside the middle of the rows it forges.
    const int button = art::plusPicture().height();
    for (int p = 0; p < kForgePairCount; ++p) {
        const int middle = (firstTop[p] + lastTop[p] + kRowHeight) / 2 - button / 2;
        plus_[p] = new PictureButton(this);
        minus_[p] = new PictureButton(this);
        plus_[p]->setObjectName(QString::fromLatin1(kForgePairs[p].plusButton));
        minus_[p]->setObjectName(QString::fromLatin1(kForgePairs[p].minusButton));
        plus_[p]->setPixmap(art::plusPicture());
        minus_[p]->setPixmap(art::minusPicture());
        plus_[p]->setGeometry(kPlusLeft, middle, button, button);
        minus_[p]->setGeometry(kMinusLeft, middle, button, button);
        connect(plus_[p], &PictureButton::clicked, this, [this, p] {
            forge_.plus(p);
            syncFromForge();
        });
        connect(minus_[p], &PictureButton::clicked, this, [this, p] {
            forge_.minus(p);
            syncFromForge();
        });
    }
    return y;
}

void ForgeWindow::syncFromForge() {
    if (forge_.row != 0) setWindowTitle(forge_.caption);
    setText(units_, forge_.unitsText());
    setText(forgeCount_, forge_.forgeCount);
    for (int r = 0; r < kForgeRowCount; ++r) {
        setText(rows_[r][1], forge_.values[r]);
        setText(rows_[r][2], forge_.additionText(r));
        for (QLabel *l : rows_[r]) l->setEnabled(forge_.rowEnabled[r]);
    }
    for (int p = 0; p < kForgePairCount; ++p) {
        plus_[p]->setEnabled(forge_.pairEnabled[p]);
        minus_[p]->setEnabled(forge_.pairEnabled[p]);
        plus_[p]->setVisible(forge_.plusVisible[p]);
        minus_[p]->setVisible(forge_.minusVisible[p]);
    }
}

void ForgeWindow::chooseEntry(const ForgeMenuEntry &entry) {
    if (!chooseForgeEntry(planner_, forge_, entry)) return;
    // The item's picture as the slot shows it, fitted into the picture box.
    QPixmap picture = forge_.picture.isEmpty() ? QPixmap() : main_.slotPixmap(forge_.picture);
    if (picture.width() > kPictureBox || picture.height() > kPictureBox)
        picture = picture.scaled(kPictureBox, kPictureBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture_->setPixmap(picture);
    syncFromForge();
    bringToFront(this);
}

void ForgeWindow::forgeItem() {
    ForgeResult result = ForgeResult::Refused;
    main_.history().perform(forgeLabel(forge_.itemName()), [&] { result = applyForge(planner_, forge_); });
    if (result == ForgeResult::Forged) hide();
}

}  // namespace veldora
