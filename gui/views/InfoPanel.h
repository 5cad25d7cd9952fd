#pragma once

#include "views/ItemInfoText.h"

#include <QFrame>

class QLabel;

namespace veldora {

// The floating item information panel (`Panel_info`), one per window. Each block
// starts right below the one above; the panel ends 10 pixels below the last one.
class InfoPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 302;

    explicit InfoPanel(QWidget *parent);

    // Writes the five texts and lays the blocks out; the panel's height follows.
    void setInfo(const ItemInfoText &info);

    QLabel *nameLabel() const { return name_; }

protected:
    // The pointer over the panel itself hides it.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QLabel *addLabel(const char *objectName, const QFont &font, const QColor &colour, int left);

    QLabel *name_;
    QLabel *head_;
    QLabel *actionCaption_;
    QLabel *action_;
    QLabel *featuresCaption_;
    QLabel *features_;
    QLabel *requirementsCaption_;
    QLabel *requirements_;
};

// Blocks end every line with a carriage return; a label breaks lines on line feeds
// and would show the last one as an extra empty line.
QString blockToLabelText(const QString &block);

}  // namespace veldora
