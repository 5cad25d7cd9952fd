#include "pages/HoverLabel.h"

#include <QMouseEvent>

namespace veldora {

HoverLabel::HoverLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    highlight(false);
}

void HoverLabel::highlight(bool on) {
    highlighted_ = on;
    // Only the enabled colours: a disabled label keeps the greyed text of its style.
    QPalette pal = palette();
    const QColor colour = on ? QColor(255, 0, 0) : QColor(0, 0, 0);
    pal.setColor(QPalette::Active, QPalette::WindowText, colour);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(pal);
}

void HoverLabel::enterEvent(QEnterEvent *event) {
    if (isEnabled()) highlight(true);
    QLabel::enterEvent(event);
}

void HoverLabel::leaveEvent(QEvent *event) {
    highlight(false);
    QLabel::leaveEvent(event);
}

void HoverLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    event->accept();
}

void HoverLabel::changeEvent(QEvent *event) {
    // A label disabled under the pointer (the page just clicked) is black once enabled again.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) highlight(false);
    QLabel::changeEvent(event);
}

}  // namespace veldora
