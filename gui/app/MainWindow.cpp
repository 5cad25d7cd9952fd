#include "app/MainWindow.h"
#include "app/WindowPlatform.h"

#include "app/ActionLabels.h"
#include "app/EntryPanel.h"
#include "app/MainMenu.h"
#include "app/CatalogueTabs.h"
#include "app/Planner.h"
#include "app/SettingsFile.h"
#include "app/UndoHistory.h"
#include "app/UserMessages.h"
#include "catalogue/ProgramFiles.h"
#include "art/Artwork.h"
#include "art/Fonts.h"
#include "art/Labels.h"
#include "art/SheetLayout.h"
#include "views/BrowserWindow.h"
#include "views/InfoPanel.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeySequence>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace veldora {

namespace {

const char *const kHelpItemPanel =
    "В таблице <Характеристики> отображаются только суммированные характеристики от надетых предметов.\r"
    "Бонусы отображаются ниже, и не суммируются.";
const char *const kHelpCharacter =
    "Для изменения данных персонажа, нужно зайти в меню Персонаж -> Ввести данные...\r"
    "Либо нажать Ctrl+N ...\r"
    "Но помните, если вы уже сделали какие-то манипуляции с персонажем, то их не будет... \r"
    "Всё обнулится, и в силу вступят новые введенные данные...";
const char *const kHelpRequirements =
    "Проверку требований предметов можно включить/отключить, зайдя в меню настройки.";

constexpr int kInfoLeft = 301;

void setTextColour(QWidget *w, const QColor &c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

}  // namespace

// ---------------------------------------------------------------- PictureButton

PictureButton::PictureButton(QWidget *parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event) {
    emit hovered();
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    event->accept();
}

// ---------------------------------------------------------------- MainWindow

MainWindow::MainWindow(Planner &planner, UndoHistory &history, UserMessages &messages, const QString &programFolder,
                       QWidget *parent)
    : QMainWindow(parent), planner_(planner), history_(history), messages_(messages), programFolder_(programFolder) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral(".:: Вельдора :: By Morvessa ::."));
    setFont(sansSerifFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::windowColour());
    setPalette(pal);
    resize(1024, 738);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ScrollArea"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    canvas_ = new QWidget();
    canvas_->setObjectName(QStringLiteral("Canvas"));
    canvas_->setAutoFillBackground(true);
    canvas_->setPalette(pal);
    canvas_->resize(kCanvasWidth, 820);
    scroll_->setWidget(canvas_);
    trackHover(scroll_->viewport());  // also the room right of and below the design
    setCentralWidget(scroll_);
    trackHover(canvas_);

    buildMenus();
    buildCharacterPanel();
    buildSums();
    buildAuras();
    buildPointPanels();
    buildModifierPanels();
    buildEntryPanel();
    info_ = new InfoPanel(canvas_);
    info_->move(kInfoLeft, 0);
    // Placed beside its slot it still covers the slot's right edge (most of a ring):
    // the slot keeps the pointer there, or the panel would hide and show again.
    info_->setAttribute(Qt::WA_TransparentForMouseEvents);

    errorLabel_ = new QLabel(canvas_);
    errorLabel_->setObjectName(QStringLiteral("ErrorLabel"));
    errorLabel_->hide();

    fadeTimer_.setInterval(10);
    connect(&fadeTimer_, &QTimer::timeout, this, &MainWindow::fadeStep);
    applyOpacity(this, 0.0);
    shownEntryTexts_ = planner_.state().entryTexts;
    connect(&history_, &UndoHistory::changed, this, &MainWindow::syncFromPlanner);
    syncFromPlanner();
}

MainWindow::~MainWindow() = default;

void MainWindow::trackHover(QWidget *w) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

QLabel *MainWindow::makeLabel(QWidget *parent, Lbl l, const QFont &font) {
    auto *label = new QLabel(parent);
    label->setObjectName(labelName(l));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    // Moves over a label belong to the picture below it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    labels_[labelIndex(l)] = label;
    return label;
}

QLabel *MainWindow::makeCaption(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                                QPoint at) {
    QLabel *label = placedLabel(parent, name, text, font, at);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// ---------------------------------------------------------------- menus

void MainWindow::buildMenus() {
    MainMenuHandlers handlers;
    handlers.preset = [this](const PresetArgs &args) {
        perform(presetLabel(args), [&] { planner_.equipPreset(args); });
    };
    handlers.databaseTab = [this](int tab) { openBrowser(tab); };
    buildMainMenu(this, handlers);

    connect(menuEntry("MenuEnterCharacter"), &QAction::triggered, this, &MainWindow::openEntryPanel);
    connect(menuEntry("N21"), &QAction::triggered, this,
            [this] { perform(takeOffAllLabel(), [this] { planner_.takeOffAllItems(); }); });
    requirementCheck_ = menuEntry("N23");
    requirementCheck_->setCheckable(true);
    connect(requirementCheck_, &QAction::triggered, this, &MainWindow::toggleRequirementCheck);

    checkMark_ = new QLabel(this);
    checkMark_->setObjectName(QStringLiteral("ImageGalkaForMenu"));
    checkMark_->setPixmap(art::checkMarkPicture());
    checkMark_->hide();
}

QAction *MainWindow::menuEntry(const char *objectName) const {
    return findChild<QAction *>(QString::fromUtf8(objectName));
}

QMenu *MainWindow::menu(const char *objectName) const { return findChild<QMenu *>(QString::fromUtf8(objectName)); }

// ---------------------------------------------------------------- layout

void MainWindow::buildCharacterPanel() {
    auto *panel = new QWidget(canvas_);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(22, 8, 239, 357);
    panel1_ = panel;
    QVector<QRect> rects;
    for (const SlotInfo &s : kSlots) rects.append(QRect(s.left, s.top, s.width, s.height));
    auto *image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(0, 0, 239, 357);
    image->setPixmap(art::characterPicture(rects));
    trackHover(image);

    QLabel *lvl = makeLabel(panel, Lbl::Label_lvl, verdanaFont(13, true));
    lvl->move(149, 6);
    setTextColour(lvl, QColor(70, 42, 22));
    QLabel *req = makeLabel(panel, Lbl::LTreb_Lvl, verdanaFont(13, true));
    req->move(183, 6);
    setTextColour(req, QColor(0, 0, 128));  // navy
    req->setToolTip(QStringLiteral("Требуемый уровень"));
    req->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    for (auto [l, y] : {std::pair{Lbl::LabelHP, 30}, std::pair{Lbl::LabelMP, 46}}) {
        QLabel *bar = makeLabel(panel, l, verdanaFont(11, true));
        bar->setGeometry(11, y, 154, 13);
        setTextColour(bar, Qt::white);
    }

    auto *help = new PictureButton(panel);
    help->setObjectName(QStringLiteral("Image9"));
    help->setPixmap(art::helpPicture());
    help->setGeometry(206, 9, 16, 16);
    connect(help, &PictureButton::clicked, this, [this] { showHelp(QString::fromUtf8(kHelpCharacter)); });

    for (const SlotInfo &s : kSlots) {
        auto *pic = new PictureButton(panel);
        pic->setObjectName(QString::fromLatin1(s.pictureBox));
        pic->setGeometry(s.left, s.top, s.width, s.height);
        const Slot slot = s.slot;
        connect(pic, &PictureButton::clicked, this, [this, slot] { clickSlot(slot); });
        connect(pic, &PictureButton::hovered, this, [this, slot] { hoverSlot(slot); });
        slots_[slotIndex(slot)] = pic;
    }
}

void MainWindow::buildSums() {
    const QFont caption = verdanaFont(12, true);
    const QFont value = verdanaFont(12);
    struct Row {
        const char *name;
        const char *text;
        Lbl value;
        int left, top, valueLeft;
    };
    const Row rows[] = {
        {"Label11", "Общая масса:", Lbl::LabelMassa, 26, 370, 150},
        {"Label22", "Размер рюкзака:", Lbl::LabelMaxMassa, 26, 385, 150},
        {"LabelCost", "Стоимость:", kNoLabel, 26, 400, 0},
        {"LabelCoins", "Монет:", Lbl::LMoneti, 40, 415, 96},
        {"LabelGold", "Золотых:", Lbl::LZoloto, 150, 415, 218},
        {"LabelKO", "К.о.", Lbl::LKO, 40, 430, 96},
    };
    for (const Row &r : rows) {
        QLabel *c = makeCaption(canvas_, QString::fromLatin1(r.name), QString::fromUtf8(r.text), caption,
                                QPoint(r.left, r.top));
        setTextColour(c, QColor(70, 42, 22));
        if (r.value == kNoLabel) continue;
        QLabel *v = makeLabel(canvas_, r.value, value);
        v->move(r.valueLeft, r.top);
        setTextColour(v, QColor(20, 20, 20));
    }
}

void MainWindow::buildAuras() {
    for (int i = 0; i < kAuraCount; ++i) {
        auto *icon = new QLabel(canvas_);
        icon->setObjectName(QString::fromLatin1(kAuraKinds[i].icon));
        icon->setPixmap(art::auraPicture(i));
        icon->setGeometry(kAuraPlaces[i].left, kAuraPlaces[i].top, kAuraIconSize, kAuraIconSize);
        icon->setToolTip(QString::fromUtf8(kAuraKinds[i].designHint));
        icon->hide();
        auras_[i] = icon;
    }
}

void MainWindow::buildPointPanels() {
    using namespace sheet;
    auto makePanel = [this](const char *name, const char *imageName, QRect geometry, const QPixmap &picture) {
        auto *panel = new QWidget(canvas_);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setGeometry(geometry);
        auto *image = new QLabel(panel);
        image->setObjectName(QString::fromLatin1(imageName));
        image->setGeometry(0, 0, geometry.width(), geometry.height());
        image->setPixmap(picture);
        trackHover(image);
        return panel;
    };
    QStringList statHeadings, masteryHeadings, magicHeadings;
    for (const PointRow &r : kPointRows) {
        QStringList &into = r.table == PointTable::Stats       ? statHeadings
                            : r.table == PointTable::Masteries ? masteryHeadings
                                                               : magicHeadings;
        into << QString::fromUtf8(r.caption);
    }
    panel2_ = makePanel("Panel2", "Image2", QRect(279, 19, kPanelWidth, kStatsPanelHeight),
                        art::statsPanelPicture(statHeadings, masteryHeadings));
    panel3_ = makePanel("Panel3", "Image3", QRect(278, 427, kPanelWidth, kMagicPanelHeight),
                        art::magicPanelPicture(magicHeadings));

    auto *help = new PictureButton(panel2_);
    help->setObjectName(QStringLiteral("Image10"));
    help->setPixmap(art::helpPicture());
    help->setGeometry(237, 7, 16, 16);
    help->raise();
    connect(help, &PictureButton::clicked, this, [this] { showHelp(QString::fromUtf8(kHelpRequirements)); });

    const QFont valueFont = verdanaFont(13);
    const QColor valueColour(20, 20, 20);
    auto place = [&](QWidget *panel, Lbl l, Column c, int top, const QFont &font) {
        if (l == kNoLabel) return;
        QLabel *label = makeLabel(panel, l, font);
        label->setGeometry(cellRect(c, top, kValueHeight));
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, valueColour);
    };
    for (int i = 0; i < kPointRowCount; ++i) {
        const PointRow &r = kPointRows[i];
        const PointTableInfo &t = pointTableInfo(r.table);
        const int index = i - t.firstRow;
        QWidget *panel = r.table == PointTable::Magic ? panel3_ : panel2_;
        const int top = r.table == PointTable::Stats       ? kStatRowTop + index * kStatRowPitch
                        : r.table == PointTable::Masteries ? kMasteryRowTop + index * kStatRowPitch
                                                           : kMagicRowTop + index * kMagicRowPitch;
        place(panel, r.required, Column::Required, top, valueFont);
        place(panel, r.own, Column::Own, top, valueFont);
        place(panel, r.items, Column::Items, top, valueFont);
        place(panel, r.setBonus, Column::Bonus, top, valueFont);
        place(panel, r.total, Column::Total, top, verdanaFont(13, true));
        const int buttonTop = top + (kValueHeight - kButtonSize) / 2;
        auto *plus = new PictureButton(panel);
        plus->setObjectName(QString::fromLatin1(r.plusButton));
        plus->setPixmap(art::plusPicture());
        plus->setGeometry(kPlusLeft, buttonTop, kButtonSize, kButtonSize);
        const PointTable table = r.table;
        connect(plus, &PictureButton::clicked, this, [this, table, index] {
            perform(pointLabel(table, index, true), [&] { planner_.plus(table, index); });
        });
        auto *minus = new PictureButton(panel);
        minus->setObjectName(QString::fromLatin1(r.minusButton));
        minus->setPixmap(art::minusPicture());
        minus->setGeometry(kMinusLeft, buttonTop, kButtonSize, kButtonSize);
        connect(minus, &PictureButton::clicked, this, [this, table, index] {
            perform(pointLabel(table, index, false), [&] { planner_.minus(table, index); });
        });
        plusButtons_[i] = plus;
        minusButtons_[i] = minus;
    }
    const QFont freeFont = verdanaFont(13, true);
    place(panel2_, pointTableInfo(PointTable::Stats).freePoints, Column::Own, kStatFreeTop, freeFont);
    place(panel2_, pointTableInfo(PointTable::Masteries).freePoints, Column::Own, kMasteryFreeTop, freeFont);
    place(panel3_, pointTableInfo(PointTable::Magic).freePoints, Column::Own, kMagicFreeTop, freeFont);
    for (PointTable t : {PointTable::Stats, PointTable::Masteries, PointTable::Magic})
        setTextColour(labels_[labelIndex(pointTableInfo(t).freePoints)], QColor(0, 90, 0));
}

void MainWindow::buildModifierPanels() {
    using namespace sheet;
    const char *const names[3][2] = {{"Panel5", "Image5"}, {"Panel7", "Image7"}, {"Panel6", "Image6"}};
    const char *const titles[3] = {"Характеристики", "Бонус за статы", "Бонус за комплект"};
    const QFont captionFont = verdanaFont(12);
    const QFont valueFont = verdanaFont(13, true);
    for (int p = 0; p < 3; ++p) {
        auto *panel = new QWidget(canvas_);
        panel->setObjectName(QString::fromLatin1(names[p][0]));
        panel->setGeometry(714, 19, kModifierWidth, 24);
        auto *image = new art::ModifierPanelBackground(QString::fromUtf8(titles[p]), panel);
        image->setObjectName(QString::fromLatin1(names[p][1]));
        image->setGeometry(0, 0, kModifierWidth, 24);
        trackHover(image);
        modifierPanels_[p] = panel;
        modifierImages_[p] = image;
    }
    auto addRows = [&](QWidget *panel, const auto &rows, auto &captions) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Lbl value = rows[i].value;
            QLabel *c = makeCaption(panel, captionLabelName(value), QString::fromUtf8(rows[i].caption), captionFont,
                                    QPoint(kModifierCaptionLeft, kModifierFirstRow));
            setTextColour(c, QColor(60, 36, 18));
            c->hide();
            captions[i] = c;
            QLabel *v = makeLabel(panel, value, valueFont);
            v->setGeometry(kModifierValueLeft, kModifierFirstRow, kModifierWidth - kModifierValueLeft - 8, 17);
            setTextColour(v, QColor(20, 60, 20));
            v->hide();
        }
    };
    addRows(modifierPanels_[0], kItemModifierRows, itemCaptions_);
    addRows(modifierPanels_[1], kStatBonusRows, statBonusCaptions_);
    addRows(modifierPanels_[2], kSetBonusRows, setBonusCaptions_);

    auto *help = new PictureButton(modifierPanels_[0]);
    help->setObjectName(QStringLiteral("Image8"));
    help->setPixmap(art::helpPicture());
    help->setGeometry(251, 8, 16, 16);
    help->raise();
    connect(help, &PictureButton::clicked, this, [this] { showHelp(QString::fromUtf8(kHelpItemPanel)); });
}

void MainWindow::buildEntryPanel() {
    panel4_ = new EntryPanel(canvas_);
    panel4_->move(EntryPanel::kLeft, 100);
    trackHover(panel4_);
    connect(panel4_, &EntryPanel::okPressed, this, &MainWindow::applyCharacterEntry);
    connect(panel4_, &EntryPanel::closePressed, this, [this] {
        planner_.hideCharacterEntry();
        afterPlannerCall();
    });
}

// ---------------------------------------------------------------- mirroring

void MainWindow::syncFromPlanner() {
    const CharacterSheet &sheet = planner_.state().sheet;
    for (int i = 0; i < kLabelCount; ++i) {
        QLabel *label = labels_[i];
        if (!label) continue;
        const QString &text = sheet.text(static_cast<Lbl>(i));
        if (label->text() != text) {
            label->setText(text);
            if (label->alignment() & Qt::AlignLeft && !(label->alignment() & Qt::AlignHCenter)) label->adjustSize();
        }
    }
    // Modifier panels: rows, heights and stacking.
    auto placeRows = [](const auto &places, const auto &rows, const auto &captions, const auto &labels) {
        for (std::size_t i = 0; i < places.size(); ++i) {
            QLabel *caption = captions[i];
            QLabel *value = labels[labelIndex(rows[i].value)];
            const RowPlace &p = places[i];
            caption->setVisible(p.visible);
            value->setVisible(p.visible);
            if (p.visible) {
                caption->move(caption->x(), p.top);
                value->move(value->x(), p.top);
            }
        }
    };
    placeRows(sheet.itemModifierRows, kItemModifierRows, itemCaptions_, labels_);
    placeRows(sheet.statBonusRows, kStatBonusRows, statBonusCaptions_, labels_);
    placeRows(sheet.setBonusRows, kSetBonusRows, setBonusCaptions_, labels_);
    const PanelBox boxes[3] = {sheet.itemModifierPanel, sheet.statBonusPanel, sheet.setBonusPanel};
    int bottom = panel3_->geometry().bottom();
    for (int p = 0; p < 3; ++p) {
        modifierPanels_[p]->setGeometry(714, boxes[p].top, sheet::kModifierWidth, boxes[p].height);
        modifierImages_[p]->resize(sheet::kModifierWidth, boxes[p].height);
        bottom = std::max(bottom, boxes[p].top + boxes[p].height);
    }
    for (int i = 0; i < kPointRowCount; ++i) {
        plusButtons_[i]->setVisible(sheet.buttons[i].plusVisible);
        minusButtons_[i]->setVisible(sheet.buttons[i].minusVisible);
        if (shownUnmet_[i] != sheet.unmet[i]) {
            shownUnmet_[i] = sheet.unmet[i];
            QLabel *own = labels_[labelIndex(kPointRows[i].own)];
            QFont f = own->font();
            f.setBold(sheet.unmet[i]);
            own->setFont(f);
            setTextColour(own, sheet.unmet[i] ? QColor(255, 0, 0) : QColor(20, 20, 20));
        }
    }
    for (int i = 0; i < kAuraCount; ++i) {
        const AuraIcon &a = sheet.auras[i];
        auras_[i]->setVisible(a.visible);
        auras_[i]->move(a.left, a.top);
        auras_[i]->setToolTip(a.hint);
    }
    for (const SlotInfo &s : kSlots) {
        const int i = slotIndex(s.slot);
        const QString &picture = planner_.state().slot(s.slot).picture;
        if (slotPictures_[i] != picture) {
            slotPictures_[i] = picture;
            if (picture.isEmpty())
                slots_[i]->clear();
            else
                slots_[i]->setPixmap(slotPixmap(picture));
        }
    }
    if (sheet.entryPanelVisible != panel4_->isVisible()) {
        panel4_->setVisible(sheet.entryPanelVisible);
        if (sheet.entryPanelVisible) panel4_->raise();
    }
    errorLabel_->setText(planner_.state().errorLabel);
    // The fields follow the entry when a step brings another one back (undo of
    // "Ok", an opened plan); otherwise they keep what the player is typing.
    if (planner_.state().entryTexts != shownEntryTexts_) {
        shownEntryTexts_ = planner_.state().entryTexts;
        for (int i = 0; i < kEntryFieldCount; ++i) panel4_->setFieldText(i, shownEntryTexts_[i]);
    }
    const int height = std::max(820, bottom + 24);
    if (canvas_->height() != height) canvas_->resize(kCanvasWidth, height);
    emit synced();
}

QPixmap MainWindow::slotPixmap(const QString &picture) {
    const QString path = QFileInfo(picture).isAbsolute() ? picture : programFolder_ + QStringLiteral("/img/") + picture;
    const auto found = slotPixmapCache_.constFind(path);
    if (found != slotPixmapCache_.constEnd()) return *found;
    QImage image = QImageReader(path).read();
    // A file that is there but is no picture shows the fallback, as in the browser.
    if (image.isNull()) image = QImageReader(resolveStoredPath(programFolder_, QStringLiteral("img/no_image.bmp"))).read();
    const QPixmap pix = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    slotPixmapCache_.insert(path, pix);
    return pix;
}

void MainWindow::afterPlannerCall() {
    syncFromPlanner();
}

void MainWindow::perform(const QString &label, const std::function<void()> &action) {
    // The history's signal brings every control in line afterwards.
    history_.perform(label, action);
}

// ---------------------------------------------------------------- events

void MainWindow::setBrowser(BrowserWindow *browser) {
    browser_ = browser;
    // Messages about a refused item must not be hidden behind the browser's panel.
    planner_.setInfoPanelHider([this] {
        if (browser_) browser_->hideInfo();
    });
    connect(browser_, &BrowserWindow::pictureClicked, this, &MainWindow::catalogueClicked);
    connect(browser_, &BrowserWindow::closed, this, [this] {
        // Closing the browser brings the main window to the front.
        bringToFront(this);
    });
}

void MainWindow::clickSlot(Slot s) {
    std::optional<int> tab;
    perform(slotClickLabel(planner_.state(), s), [&] { tab = planner_.clickSlot(s); });
    // A worn item taken off leaves nothing under the pointer to describe.
    hideInfo();
    if (tab) openBrowser(*tab);
}

void MainWindow::hoverSlot(Slot s) {
    if (planner_.state().slot(s).row != 0)
        showWornItemInfo(s);
    else
        hideInfo();
}

void MainWindow::showWornItemInfo(Slot s) {
    const SlotInfo &info = slotInfo(s);
    const PanelPosition at = wornInfoPanelPosition(info.left, info.top, info.width);
    info_->move(at.left, at.top);
    info_->show();
    info_->raise();
    const Category c = wornCategory(planner_.state(), s);
    info_->setInfo(buildItemInfo(planner_.state().catalogue.table(c), planner_.state().slot(s).row,
                                 InfoSource::WornItem));
    if (addWornInfo_) addWornInfo_(*info_, s);
}

void MainWindow::hideInfo() { info_->hide(); }

void MainWindow::openBrowser(int tab) {
    if (browser_) browser_->openOnTab(tab);
}

void MainWindow::catalogueClicked(int tab, int row) {
    perform(catalogueClickLabel(planner_.state(), tab, row), [&] { planner_.clickCatalogueItem(tab, row); });
}

void MainWindow::openEntryPanel() {
    planner_.showCharacterEntry();
    panel4_->move(EntryPanel::kLeft, scroll_->verticalScrollBar()->value() + 100);
    afterPlannerCall();
    panel4_->raise();
    panel4_->focusFirstField();
}

void MainWindow::applyCharacterEntry() {
    perform(characterEntryLabel(), [this] {
        const auto entered = planner_.state().entryTexts;
        for (int i = 0; i < kEntryFieldCount; ++i) planner_.setEntryText(i, panel4_->fieldText(i));
        // Refused, the entry stays as it was, so that nothing is left to undo.
        if (!planner_.applyCharacterEntry())
            for (int i = 0; i < kEntryFieldCount; ++i) planner_.setEntryText(i, entered[i]);
    });
}

void MainWindow::showHelp(const QString &text) { messages_.showMessage(text); }

void MainWindow::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!fadeInDone_ && !fadeTimer_.isActive()) fadeTimer_.start();
}

void MainWindow::fadeStep() {
    opacity_ += 2;
    if (opacity_ < 254) {
        applyOpacity(this, opacity_ / 255.0);
        return;
    }
    finishFadeIn();
}

void MainWindow::finishFadeIn() {
    if (fadeInDone_) return;
    fadeTimer_.stop();
    opacity_ = 255;
    applyOpacity(this, 1.0);
    fadeInDone_ = true;
    readSettings();
}

void MainWindow::readSettings() {
    const Settings s = readSettingsFile(programFolder_);
    tutorialAtStart_ = s.tutorialAtStart;
    planner_.setRequirementCheckOn(s.requirementCheckOn);
    requirementCheck_->setChecked(s.requirementCheckOn);
    if (s.tutorialAtStart) emit tutorialAtStartRead();
}

void MainWindow::toggleRequirementCheck() {
    const bool on = !planner_.state().requirementCheckOn;
    QString error;
    // The flag changes only once the file holds it, so the two never disagree.
    const bool tutorial = tutorialCheckBox_ ? tutorialCheckBox_() : tutorialAtStart_;
    if (writeSettingsFile(programFolder_, Settings{tutorial, on}, &error)) {
        planner_.setRequirementCheckOn(on);
    } else {
        messages_.showMessage(error);
    }
    requirementCheck_->setChecked(planner_.state().requirementCheckOn);
}

void MainWindow::wheelScroll(int notches, Qt::KeyboardModifiers modifiers) {
    const bool sideways = (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier)) ==
                          Qt::AltModifier;
    QScrollBar *bar = sideways ? scroll_->horizontalScrollBar() : scroll_->verticalScrollBar();
    bar->setValue(bar->value() + 10 * notches);
}

void MainWindow::scrollSideways(int notches) {
    QScrollBar *bar = scroll_->horizontalScrollBar();
    bar->setValue(bar->value() + 10 * notches);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::Wheel: {
        auto *we = static_cast<QWheelEvent *>(event);
        // The vertical axis follows the Alt rule; the horizontal one (a tilted or
        // sideways wheel, a touchpad swipe, or Alt with the wheel on platforms
        // that report it so) always scrolls sideways. Fine steps add up per axis.
        const QPoint d = we->angleDelta();
        wheelRemainder_ += d.y();
        sidewaysRemainder_ += d.x();
        const int notches = wheelRemainder_ / 120;
        const int sideways = sidewaysRemainder_ / 120;
        wheelRemainder_ -= notches * 120;
        sidewaysRemainder_ -= sideways * 120;
        if (notches != 0) wheelScroll(-notches, we->modifiers());
        if (sideways != 0) scrollSideways(-sideways);
        return true;
    }
    case QEvent::MouseMove:
        // The background, the character and table pictures, the entry panel and
        // the modifier panels: the pointer has left every item.
        hideInfo();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    emit closing();
    QMainWindow::closeEvent(event);
}

}  // namespace veldora
