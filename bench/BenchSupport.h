#pragma once

// What every benchmark program shares: a message sink that shows nothing, timing
// and the median of a run of timings, the process's memory as the kernel counts
// it, and item rows made up for a catalogue built in memory.

#include "app/UserMessages.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ItemColumns.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <vector>

namespace veldora::bench {

class SilentMessages : public UserMessages {
public:
    void showMessage(const QString &) override {}
};

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

template <typename F>
double milliseconds(F &&f) {
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1e6;
}

// Every column a small number that differs from item to item, with a name, a
// set, a price and a mass that read as the catalogue's do; one-handed, not a
// second weapon, never forged or enchanted.
inline QVector<QString> madeUpItemCells(const QString &name, const QString &setName, int seed) {
    QVector<QString> cells(kItemColumnCount);
    for (const ItemColumn &column : kItemColumns) cells[column.column] = QString::number(1 + (seed + column.column) % 7);
    for (int col = col::ForgeCount; col <= col::EnchantAmount; ++col) cells[col] = QStringLiteral("0");
    cells[col::Name] = name;
    cells[col::SetName] = setName;
    cells[col::Price] = QStringLiteral("м%1,25").arg(seed);
    cells[col::Mass] = QStringLiteral("1,5");
    cells[col::SecondWeapon] = QStringLiteral("Нет");
    cells[col::TwoHanded] = QStringLiteral("Нет");
    return cells;
}

// Appends the row to its table as the loader would; returns its number.
inline int appendMadeUpItem(Catalogue &c, Category category, const QVector<QString> &cells) {
    CategoryTable &t = c.table(category);
    const int row = *t.appendRow(cells);
    t.setRowCount(row + 1);
    ++c.itemCount;
    return row;
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 where there is none.
inline long procStatusKilobytes(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').front().toLong();
    return -1;
}

}  // namespace veldora::bench
