#include "SampleTables.h"

#include <QFile>
#include <QProcess>

namespace sampletest {

namespace {

QString unescape(const QString &cell) {
    QString out;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] == QLatin1Char('\\') && i + 1 < cell.size()) {
            const QChar n = cell[++i];
            out += n == QLatin1Char('t') ? QChar('\t') : n == QLatin1Char('n') ? QChar('\n')
                 : n == QLatin1Char('r') ? QChar('\r') : n;
        } else {
            out += cell[i];
        }
    }
    return out;
}

QStringList lines(const QByteArray &bytes) {
    QStringList out = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
    return out;
}

}  // namespace

Table readTsv(const QString &path) {
    Table t;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        t.error = QStringLiteral("cannot open ") + path;
        return t;
    }
    const QStringList all = lines(f.readAll());
    if (all.isEmpty()) return t;
    for (const QString &h : all.first().split(QLatin1Char('\t'))) t.header << h.left(h.lastIndexOf(QLatin1Char(':')));
    for (qsizetype i = 1; i < all.size(); ++i) {
        QStringList cells = all[i].split(QLatin1Char('\t'));
        for (QString &c : cells) c = unescape(c);
        t.rows << cells;
    }
    return t;
}

Table exportTable(const QString &mdbPath, const QString &table) {
    Table t;
    QProcess p;
    p.start(QStringLiteral("mdb-export"), {QStringLiteral("-Q"), QStringLiteral("-d"), QStringLiteral("\t"), mdbPath, table});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        t.error = QStringLiteral("mdb-export failed: ") + QString::fromUtf8(p.readAllStandardError());
        return t;
    }
    const QStringList all = lines(p.readAllStandardOutput());
    if (all.isEmpty()) return t;
    t.header = all.first().split(QLatin1Char('\t'));
    for (qsizetype i = 1; i < all.size(); ++i) t.rows << all[i].split(QLatin1Char('\t'));
    return t;
}

QStringList readList(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList out;
    for (const QString &l : lines(f.readAll())) {
        const QString s = l.trimmed();
        if (!s.isEmpty() && !s.startsWith(QLatin1Char('#'))) out << s;
    }
    return out;
}

}  // namespace sampletest
