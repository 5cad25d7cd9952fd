#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace veldora {

// The start-up picture: counts its bar up to 500 on a 1 ms timer, fades out by 2
// per tick, then hands over to the main window. Loading is already finished when
// it shows, so the bar follows no work.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

    int opacityStep() const { return opacity_; }

signals:
    // Emitted once the fade-out reaches 0; the splash is hidden by then.
    void finished();
    // The player closed the splash (Alt+F4, the window manager): as the program's
    // first window, that ends the program; `finished` never follows.
    void closedByPlayer();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void countTick();
    void fadeTick();

    QLabel *image_;
    QProgressBar *progress_;
    QTimer timer1_;
    QTimer timer2_;
    int opacity_ = 255;
};

// The splash picture, painted in code.
QPixmap paintSplashPicture();

}  // namespace veldora
