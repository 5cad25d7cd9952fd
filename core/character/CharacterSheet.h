#pragma once

#include "character/Auras.h"
#include "character/ModifierPanels.h"
#include "character/PointTables.h"
#include "character/SheetLabels.h"

#include <QString>
#include <array>
#include <optional>

namespace veldora {

// Where a panel row's two labels stand. A hidden row keeps its last top, which
// nobody sees, so two hidden rows compare equal wherever they were.
struct RowPlace {
    bool visible = true;
    int top = 0;
    bool operator==(const RowPlace &o) const { return visible == o.visible && (!visible || top == o.top); }
};

// A panel and its background picture share top and height.
struct PanelBox {
    int top = 0;
    int height = 0;
    bool operator==(const PanelBox &) const = default;
};

struct PointButtons {
    bool plusVisible = true;
    bool minusVisible = true;
    bool operator==(const PointButtons &) const = default;
};

// A hidden icon keeps its last position; like rows, only a shown one's counts.
struct AuraIcon {
    bool visible = false;
    int left = 0;
    int top = 0;
    qint64 tag = 0;  // the count of the last update
    QString hint;
    bool operator==(const AuraIcon &o) const {
        return visible == o.visible && tag == o.tag && hint == o.hint &&
               (!visible || (left == o.left && top == o.top));
    }
};

// The character sheet as the main window shows it: every value label's text and
// the layout facts the windows mirror. The text is the value. Integer labels keep
// the number and write its decimal text when it is read: a preset recomputes the
// sheet some forty times, and only the last result is ever shown.
class CharacterSheet {
public:
    explicit CharacterSheet(QString decimalSeparator = QStringLiteral(","));

    const QString &text(Lbl l) const;
    std::optional<QString> text(QStringView labelName) const;
    // For integer labels only.
    qint64 value(Lbl l) const { return labels_[labelIndex(l)].value; }

    void setValue(Lbl l, qint64 v);
    // Labels that do not hold a plain integer ("[1]", "24/24", decimal sums).
    void setText(Lbl l, const QString &t);

    // Decimal sums are written with this separator; both "," and "." are read.
    const QString &decimalSeparator() const { return decimalSeparator_; }
    void setDecimalSeparator(const QString &s);
    void addDecimal(Lbl l, double amount);

    // Layout facts.
    std::array<RowPlace, kItemModifierRowCount> itemModifierRows;  // Panel5
    std::array<RowPlace, kStatBonusRowCount> statBonusRows;        // Panel7
    std::array<RowPlace, kSetBonusRowCount> setBonusRows;          // Panel6
    PanelBox itemModifierPanel;                                    // Panel5 / Image5
    PanelBox statBonusPanel;                                       // Panel7 / Image7
    PanelBox setBonusPanel;                                        // Panel6 / Image6
    std::array<PointButtons, kPointRowCount> buttons;              // by point row
    std::array<bool, kPointRowCount> unmet{};  // own value drawn red and bold
    std::array<AuraIcon, kAuraCount> auras;
    bool entryPanelVisible = false;  // Panel4

    bool operator==(const CharacterSheet &) const = default;

private:
    struct Cell {
        mutable QString text;
        qint64 value = 0;
        bool integer = true;       // the text is the decimal of `value`
        mutable bool stale = false;  // `text` not yet written for `value`
        bool operator==(const Cell &o) const {
            return integer == o.integer && (integer ? value == o.value : text == o.text);
        }
    };
    std::array<Cell, kLabelCount> labels_;
    QString decimalSeparator_;
};

}  // namespace veldora
