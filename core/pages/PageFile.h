#pragma once

#include <QByteArray>
#include <QString>

namespace veldora {

// A page of the program folder read for showing: its text, or a short Russian
// line that says why there is none, so the view is never left blank.
struct PageText {
    QString html;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

// Reads the page at `path` (a path on disk). A missing file, a folder, a file
// that cannot be read, an empty file and one holding binary data are problems.
PageText readPageFile(const QString &path);

// The text of a page's bytes: a byte order mark or a declared charset other than
// UTF-8 decides; otherwise UTF-8 when the bytes are valid UTF-8, else
// Windows-1251, the code page of the Windows version's pages.
QString decodePageBytes(const QByteArray &bytes);

// What the view shows instead of a page: `problem` as one escaped paragraph.
QString pageProblemHtml(const QString &problem);

}  // namespace veldora
