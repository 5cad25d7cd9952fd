#include "pages/TutorialWindow.h"

#include "app/MainWindow.h"
#include "app/SettingsFile.h"
#include "app/UserMessages.h"
#include "art/Fonts.h"
#include "catalogue/ProgramFiles.h"
#include "app/WindowPlatform.h"
#include "pages/HoverLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>

namespace veldora {

namespace {
constexpr int kArticleTop = 22;
constexpr int kArticlePitch = 17;
}  // namespace

TutorialWindow::TutorialWindow(const QString &programFolder, UserMessages &messages,
                               std::function<bool()> requirementCheckOn, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      programFolder_(programFolder),
      messages_(messages),
      requirementCheckOn_(std::move(requirementCheckOn)),
      opener_(defaultExternalOpener()) {
    setObjectName(QStringLiteral("TFormStartHelp"));
    setWindowTitle(QStringLiteral("Обучение [Старая версия. Позже будет обновлена...]"));
    setFixedSize(512, 299);
    setFont(sansSerifFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(180, 205, 166));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *frame = new QGroupBox(QStringLiteral("Статьи"), this);
    frame->setObjectName(QStringLiteral("GroupBox2"));
    frame->setGeometry(8, 6, 496, 238);
    for (int i = 0; i < kArticleCount; ++i) {
        auto *label = new HoverLabel(QString::fromUtf8(kArticles[i].title), frame);
        label->setObjectName(QString::fromLatin1(kArticles[i].label));
        label->setFont(sansSerifFont(11));
        label->adjustSize();
        label->setGeometry(16, kArticleTop + i * kArticlePitch, label->width(), 13);
        connect(label, &HoverLabel::clicked, this, [this, i] { openArticle(i); });
        articles_[i] = label;
    }

    box_ = new QCheckBox(QStringLiteral("Запускать при запуске"), this);
    box_->setObjectName(QStringLiteral("CheckBox1"));
    box_->setGeometry(14, 252, 180, 17);
    auto *apply = new QPushButton(QStringLiteral("Применить"), this);
    apply->setObjectName(QStringLiteral("Button2"));
    apply->setGeometry(336, 250, 80, 24);
    connect(apply, &QPushButton::clicked, this, &TutorialWindow::apply);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(424, 250, 80, 24);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *contact = new QLabel(QStringLiteral("Вопросы и пожелания по программе присылайте на почту veldora@example.org"),
                               this);
    contact->setObjectName(QStringLiteral("Label11"));
    contact->setTextFormat(Qt::PlainText);
    contact->setGeometry(14, 280, 490, 14);
    QPalette grey = contact->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    contact->setPalette(grey);

    centreOnScreen(this);
}

void TutorialWindow::attach(MainWindow &main) {
    main_ = &main;
    if (QAction *entry = main.menuEntry("N6")) connect(entry, &QAction::triggered, this, &TutorialWindow::openFromMenu);
    connect(&main, &MainWindow::tutorialAtStartRead, this, &TutorialWindow::openAtStart);
    main.setTutorialCheckBox([box = QPointer<QCheckBox>(box_)] { return box && box->isChecked(); });
}

void TutorialWindow::openFromMenu() {
    if (readSettingsFile(programFolder_).tutorialAtStart)
        openAtStart();
    else
        bringToFront(this);
}

void TutorialWindow::openAtStart() {
    if (main_) main_->setEnabled(false);
    box_->setChecked(true);
    bringToFront(this);
}

void TutorialWindow::openArticle(int index) {
    const QString path =
        resolveStoredPath(programFolder_, articleStoredPath(QString::fromUtf8(kArticles[index].title)));
    if (!QFileInfo(path).isFile()) {
        messages_.showMessage(QStringLiteral("Статья не найдена: %1").arg(path));
        return;
    }
    if (!opener_ || !opener_(QUrl::fromLocalFile(path)))
        messages_.showMessage(QStringLiteral("Не удалось открыть статью: %1").arg(path));
}

void TutorialWindow::apply() {
    const Settings settings{box_->isChecked(), requirementCheckOn_ ? requirementCheckOn_() : false};
    QString error;
    if (!writeSettingsFile(programFolder_, settings, &error)) messages_.showMessage(error);
}

void TutorialWindow::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    // However the window goes (the button, the close box), the main window is
    // usable again and takes the player back.
    if (!main_) return;
    main_->setEnabled(true);
    if (main_->isVisible()) main_->activateWindow();
}

}  // namespace veldora
