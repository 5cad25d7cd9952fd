#include "app/SplashWindow.h"
#include "app/WindowPlatform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>

namespace veldora {

SplashWindow::SplashWindow(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TFormLoad"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setFixedSize(998, 724);
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setGeometry(0, 0, 1001, 725);
    image_->setPixmap(paintSplashPicture());
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setGeometry(559, 497, 378, 18);
    progress_->setRange(0, 500);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #8a6a3a; border-radius: 3px; background: rgba(20,16,30,170); }"
        "QProgressBar::chunk { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffe9a8, stop:1 #c8912e); }"));
    timer1_.setInterval(1);
    timer2_.setInterval(1);
    connect(&timer1_, &QTimer::timeout, this, &SplashWindow::countTick);
    connect(&timer2_, &QTimer::timeout, this, &SplashWindow::fadeTick);
    centreOnScreen(this);
}

void SplashWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (progress_->value() == 0 && !timer1_.isActive()) timer1_.start();
}

void SplashWindow::closeEvent(QCloseEvent *event) {
    timer1_.stop();
    timer2_.stop();
    QWidget::closeEvent(event);
    emit closedByPlayer();
}

void SplashWindow::countTick() {
    progress_->setValue(progress_->value() + 1);
    if (progress_->value() >= 500) {
        timer1_.stop();
        timer2_.start();
    }
}

void SplashWindow::fadeTick() {
    opacity_ -= 2;
    if (opacity_ <= 2) {
        opacity_ = 0;
        timer2_.stop();
        applyOpacity(this, 0.0);
        hide();
        emit finished();
        return;
    }
    applyOpacity(this, opacity_ / 255.0);
}

QPixmap paintSplashPicture() {
    QPixmap pix(1001, 725);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    // Night sky over a mountain pass.
    QLinearGradient sky(0, 0, 0, 725);
    sky.setColorAt(0.0, QColor(18, 14, 38));
    sky.setColorAt(0.55, QColor(62, 38, 78));
    sky.setColorAt(1.0, QColor(150, 92, 62));
    p.fillRect(pix.rect(), sky);

    QRandomGenerator stars(20261209);  // fixed seed: the picture is the same every start
    for (int i = 0; i < 220; ++i) {
        const int x = stars.bounded(1001), y = stars.bounded(380);
        const int a = 90 + stars.bounded(165);
        p.setPen(QColor(255, 250, 230, a));
        p.drawPoint(x, y);
    }
    QRadialGradient moon(840, 110, 60);
    moon.setColorAt(0.0, QColor(255, 246, 214));
    moon.setColorAt(0.7, QColor(240, 220, 170, 230));
    moon.setColorAt(1.0, QColor(240, 220, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(840, 110), 60, 60);

    auto ridge = [&](const QList<QPointF> &pts, const QColor &c) {
        QPainterPath path;
        path.moveTo(0, 725);
        for (const QPointF &pt : pts) path.lineTo(pt);
        path.lineTo(1001, 725);
        path.closeSubpath();
        p.setBrush(c);
        p.drawPath(path);
    };
    ridge({{0, 470}, {120, 380}, {230, 440}, {360, 330}, {480, 420}, {600, 350}, {740, 450}, {860, 370}, {1001, 430}},
          QColor(44, 30, 58));
    ridge({{0, 560}, {150, 500}, {290, 560}, {420, 490}, {560, 570}, {700, 510}, {850, 580}, {1001, 520}},
          QColor(30, 20, 40));

    // A keep on the near ridge.
    p.setBrush(QColor(22, 14, 30));
    p.drawRect(150, 430, 70, 120);
    p.drawRect(135, 410, 28, 140);
    p.drawRect(207, 400, 28, 150);
    for (int x = 135; x < 235; x += 10) p.drawRect(x, 396, 6, 10);
    p.setBrush(QColor(255, 200, 110));
    p.drawRect(178, 460, 10, 16);
    p.drawRect(214, 430, 6, 10);

    // Title.
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(120);
    title.setBold(true);
    QLinearGradient gold(0, 180, 0, 300);
    gold.setColorAt(0.0, QColor(255, 240, 180));
    gold.setColorAt(1.0, QColor(196, 136, 40));
    QPainterPath text;
    text.addText(QPointF(0, 0), title, QStringLiteral("Вельдора"));
    // Fit the title into the width of the sky whatever font the system provides.
    const QRectF bounds = text.boundingRect();
    const qreal scale = std::min<qreal>(1.0, 640.0 / bounds.width());
    text = QTransform::fromScale(scale, scale).map(text);
    const QRectF fitted = text.boundingRect();
    text.translate(500 - fitted.center().x(), 250 - fitted.center().y());
    p.setPen(QPen(QColor(60, 30, 10), 3));
    p.setBrush(gold);
    p.drawPath(text);

    QFont sub(QStringLiteral("DejaVu Serif"));
    sub.setPixelSize(26);
    sub.setItalic(true);
    p.setFont(sub);
    p.setPen(QColor(240, 226, 196));
    p.drawText(QRect(200, 320, 600, 40), Qt::AlignCenter, QStringLiteral("планировщик снаряжения"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(230, 210, 180));
    p.drawText(QRect(559, 520, 378, 24), Qt::AlignCenter, QStringLiteral("Загрузка…"));
    return pix;
}

}  // namespace veldora
