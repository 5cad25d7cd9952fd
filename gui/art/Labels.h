#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace veldora {

// A plain-text label sized to its text at `at`; an invalid `colour` keeps the
// parent's text colour.
QLabel *placedLabel(QWidget *parent, const QString &objectName, const QString &text, const QFont &font, QPoint at,
                    const QColor &colour = QColor());

// A new text, and the label's size follows it.
void setLabelText(QLabel *label, const QString &text);

}  // namespace veldora
