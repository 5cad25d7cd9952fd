#pragma once

#include <QLabel>

namespace veldora {

// A caption that acts as a link: a hand cursor, red under the pointer, black
// again when the pointer leaves, and a click. Disabled, it shows greyed and
// neither reddens nor reacts.
class HoverLabel : public QLabel {
    Q_OBJECT
public:
    HoverLabel(const QString &text, QWidget *parent);

    bool highlighted() const { return highlighted_; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void highlight(bool on);

    bool highlighted_ = false;
};

}  // namespace veldora
