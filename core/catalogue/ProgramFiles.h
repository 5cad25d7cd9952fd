#pragma once

#include <QString>

namespace veldora {

// Paths below the program folder as the Windows version stored them: folders
// separated by backslashes or slashes, letter case that need not match the file
// on disk. Every stored path (pictures, pages, articles, custom item files) is
// turned into a path on disk here.

// `stored` with every backslash turned into a slash; a leading separator kept.
QString normalizedStoredPath(const QString &stored);

// The file or folder `stored` names below `folder`: the exact path when it
// exists, else, folder by folder, the one entry whose name differs only in letter
// case (the first in name order when several do). When nothing matches, the
// exact path (which does not exist) is returned, so callers can name it in a
// message. Folder listings are cached per folder; see forgetFolderListings().
QString resolveStoredPath(const QString &folder, const QString &stored);

// Whether resolveStoredPath() finds a file there.
bool storedFileExists(const QString &folder, const QString &stored);

// Drops the cached listings: call after creating, renaming or deleting files in
// a folder that was looked up before.
void forgetFolderListings();

}  // namespace veldora
