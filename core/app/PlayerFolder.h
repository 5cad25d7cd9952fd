#pragma once

#include <QString>
#include <QStringList>

namespace veldora {

// The switch the desktop menu starts the program with.
inline const QString kFromMenuSwitch = QStringLiteral("--from-menu");

struct FolderChoice {
    QString folder;  // the program folder to start on
    QString error;   // a Russian message when the player's folder could not be made
};

// `<home>/Вельдора`: the player's own program folder.
QString playerProgramFolder(const QString &home);

// The sample program folder installed with the program in `programDir` (the
// folder of the executable): `../share/veldora/program`, or `../program` in the
// build tree. Empty when there is none.
QString installedSampleFolder(const QString &programDir);

// The program folder of a start. Started from the desktop menu (`--from-menu`),
// the working folder means nothing, so the program uses the player's own folder,
// made from the installed sample while it holds no item database; files the
// player has are never replaced. Otherwise the working folder, as always.
FolderChoice chooseProgramFolder(const QStringList &arguments, const QString &workingFolder, const QString &home,
                                 const QString &programDir);

// Copies every file of `sample` that `folder` lacks into it, creating folders as
// needed; existing files are left as they are. Returns a Russian message on failure.
QString fillFromSample(const QString &folder, const QString &sample);

}  // namespace veldora
