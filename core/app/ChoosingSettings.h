#pragma once

#include <QString>

namespace veldora {

// The player's choices about the aids to choosing items, kept with QSettings (the
// settings file beside the program keeps only what the Windows version reads).
// Every value is read and written at once, so two windows never disagree.
class ChoosingSettings {
public:
    // The user's settings of this program.
    ChoosingSettings() = default;
    // An INI file of its own (tests keep theirs apart).
    explicit ChoosingSettings(QString file);

    // "Показывать изменения": the blocks of what an item would change and lack, the
    // list after a refused item and the marks of the main window. On by default.
    bool showChanges() const;
    void setShowChanges(bool on);
    // "Только подходящие" in the browser. Off by default.
    bool onlyWearable() const;
    void setOnlyWearable(bool on);

private:
    bool read(const char *key, bool fallback) const;
    void write(const char *key, bool value);

    QString file_;
};

}  // namespace veldora
