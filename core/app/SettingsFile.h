#pragma once

#include <QString>

namespace veldora {

// The two-byte settings file `ini.ini` of the program folder: byte 0 opens the
// tutorial at start-up, byte 1 turns the requirement check on. A byte counts as
// on only when it is 1.
struct Settings {
    bool tutorialAtStart = false;
    bool requirementCheckOn = false;
    bool operator==(const Settings &) const = default;
};

QString settingsFilePath(const QString &programFolder);

// A missing or short file reads as both bytes 0: the program starts with both
// settings off rather than failing.
Settings readSettingsFile(const QString &programFolder);

// Writes the whole record or nothing (temporary file, then rename). On failure
// returns false and fills `error` with a Russian message for the player.
bool writeSettingsFile(const QString &programFolder, const Settings &settings, QString *error);

}  // namespace veldora
