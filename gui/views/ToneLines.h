#pragma once

#include "views/ChoiceText.h"

#include <QColor>
#include <QWidget>
#include <climits>

namespace veldora {

// The colour a line of its tone is drawn in.
QColor toneColour(Tone tone);

// Lines in their tones, drawn one under the other. Hovering an item builds one of
// these every time, so it measures and draws lines itself instead of laying out
// rich text.
class ToneLinesView : public QWidget {
    Q_OBJECT
public:
    explicit ToneLinesView(const QFont &font, QWidget *parent);

    // Lays the lines out within `width`: a line too long is wrapped at its last
    // space that fits. With more than `maxRows` rows the lines that do not fit
    // are counted in a last row instead. The height follows.
    void setLines(const QVector<ToneLine> &lines, int width, int maxRows = INT_MAX);
    void clear();

    // The rows as drawn, one a line.
    QString text() const;
    int rowHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Row {
        QString text;
        Tone tone;
        int line;  // index of the line it belongs to
    };
    QVector<Row> rows_;
};

}  // namespace veldora
