#pragma once

#include "views/ChoiceText.h"
#include "views/ItemInfoText.h"

#include <QFrame>
#include <QHash>

class QLabel;

namespace veldora {

class ToneLinesView;

// The floating item information panel (`Panel_info`), one per window. Each block
// starts right below the one above; the panel ends 10 pixels below the last one.
class InfoPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 302;

    explicit InfoPanel(QWidget *parent);

    // Writes the five texts and lays the blocks out; the panel's height follows.
    // Whatever setChoice added before is gone again.
    void setInfo(const ItemInfoText &info);
    // After setInfo: marks the requirement lines the character lacks, adds the
    // level and free-point lines under them and the block of what choosing the
    // item would change; the panel grows to hold them, up to `maxHeight`: the
    // change lines that do not fit are counted in a last line instead.
    void setChoice(const ChoiceText &choice, int maxHeight = kMaxChoiceHeight);

    // Placed by either window's rule, a panel this high stays within the browser
    // (its 900 pixels) and within the main window's first screen.
    static constexpr int kMaxChoiceHeight = 570;

    QLabel *nameLabel() const { return name_; }
    // What setInfo was last given: the additions build on it instead of anew.
    const ItemInfoText &info() const { return info_; }

protected:
    // The pointer over the panel itself hides it.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QLabel *addLabel(const char *objectName, const QFont &font, const QColor &colour, int left);
    QSize blockSize(QLabel *label, const QString &text);

    QLabel *name_;
    QLabel *head_;
    QLabel *actionCaption_;
    QLabel *action_;
    QLabel *featuresCaption_;
    QLabel *features_;
    QLabel *requirementsCaption_;
    QLabel *requirements_;
    ToneLinesView *summary_;
    QLabel *changesCaption_;
    ToneLinesView *changes_;
    QHash<QLabel *, QHash<QString, QSize>> blockSizes_;
    QHash<QString, QSize> markedRequirementSizes_;  // the rich text setChoice puts in requirements_
    ItemInfoText info_;
};

// A text of lines in their tones for a rich-text label, every line escaped.
QString toneLinesHtml(const QVector<ToneLine> &lines);

// Blocks end every line with a carriage return; a label breaks lines on line feeds
// and would show the last one as an extra empty line.
QString blockToLabelText(const QString &block);

}  // namespace veldora
