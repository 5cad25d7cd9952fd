#pragma once

#include "pages/ExternalOpener.h"

#include <QPixmap>
#include <QWidget>

namespace veldora {

class MainWindow;

// The information window `TForm5`: the banners, the number of catalogue items
// read at start-up and two credit lines whose pictures open a web page.
class InformationWindow : public QWidget {
    Q_OBJECT
public:
    explicit InformationWindow(int catalogueItemCount, QWidget *parent = nullptr);

    // "Информация" shows the window.
    void attach(MainWindow &main);

    void setExternalOpener(ExternalOpener opener) { opener_ = std::move(opener); }

private:
    ExternalOpener opener_;
};

// The banners, painted in code: `Image6` (393 x 50) and `Image1` (189 x 40).
QPixmap makerBanner();
QPixmap testVersionBanner();
// The small picture after a credited name (12 x 11): a box with an arrow leaving it.
QPixmap webLinkPicture();

}  // namespace veldora
