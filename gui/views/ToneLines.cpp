#include "views/ToneLines.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace veldora {

QColor toneColour(Tone tone) {
    switch (tone) {
    case Tone::Gain:
        return QColor(0, 120, 0);
    case Tone::Loss:
    case Tone::Unmet:
        return QColor(210, 0, 0);
    case Tone::Plain:
    case Tone::Heading:
        break;
    }
    return QColor(0, 0, 0);
}

ToneLinesView::ToneLinesView(const QFont &font, QWidget *parent) : QWidget(parent) {
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

int ToneLinesView::rowHeight() const { return QFontMetrics(font()).lineSpacing(); }

void ToneLinesView::setLines(const QVector<ToneLine> &lines, int width, int maxRows) {
    rows_.clear();
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics plainMetrics(font()), boldMetrics(bold);
    for (int i = 0; i < lines.size(); ++i) {
        const QFontMetrics &m = lines[i].tone == Tone::Heading ? boldMetrics : plainMetrics;
        QString rest = lines[i].text;
        // Wrapped rows go on after a small indent, so they read as one line.
        QString indent;
        while (m.horizontalAdvance(indent + rest) > width) {
            int cut = rest.lastIndexOf(QLatin1Char(' '));
            while (cut > 0 && m.horizontalAdvance(indent + rest.left(cut)) > width) cut = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
            if (cut <= 0) break;  // one word wider than the panel: left as it is
            rows_.append({indent + rest.left(cut), lines[i].tone, i});
            rest = rest.mid(cut + 1);
            indent = QStringLiteral("   ");
        }
        rows_.append({indent + rest, lines[i].tone, i});
    }
    if (rows_.size() > maxRows && maxRows > 0) {
        // Whole lines only: a line whose rows do not all fit goes with the rest.
        int keep = maxRows - 1;
        while (keep > 0 && keep < rows_.size() && rows_[keep].line == rows_[keep - 1].line) --keep;
        const int left = int(lines.size()) - (keep > 0 ? rows_[keep - 1].line + 1 : 0);
        rows_.resize(keep);
        rows_.append({QStringLiteral("… и ещё %1").arg(left), Tone::Plain, int(lines.size())});
    }
    setFixedSize(width, int(rows_.size()) * rowHeight());
    update();
}

void ToneLinesView::clear() {
    rows_.clear();
    setFixedHeight(0);
}

QString ToneLinesView::text() const {
    QStringList texts;
    for (const Row &r : rows_) texts << r.text;
    return texts.join(QLatin1Char('\n'));
}

void ToneLinesView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics m(font());
    const int h = rowHeight();
    for (int i = 0; i < rows_.size(); ++i) {
        p.setFont(rows_[i].tone == Tone::Heading ? bold : font());
        p.setPen(toneColour(rows_[i].tone));
        p.drawText(0, i * h + m.ascent(), rows_[i].text);
    }
}

}  // namespace veldora
