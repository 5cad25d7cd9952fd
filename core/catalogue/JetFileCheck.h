#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace veldora {

// libmdb (1.0) trusts most offsets and pointers of a file: a damaged file can make it
// read out of bounds, loop for ever or crash. Before libmdb sees a file, this check walks
// every structure libmdb will walk to read the system catalogue and the tables named:
// the header, table definitions and their page chains, usage maps, data pages, row
// layouts, and the tables' property blobs with the long values that hold them. A file
// that passes can be read by libmdb without leaving the file's bounds, and libmdb has
// nothing to warn about. Where libmdb would read a structure more loosely, the check may
// be stricter.
struct JetFileCheck {
    QString problem;  // a short Russian description of the first fault; empty when sound
    // For each table named, the page of the definition that was checked; 0 when the
    // catalogue has no such table (not a fault here). Readers must open no other page.
    std::vector<quint32> tablePages;
};

JetFileCheck checkJetFile(const QByteArray &file, const QStringList &tables);

// Jet 4 text: UCS-2 little endian, or "compressed" when it begins with FF FE (one byte
// per character until a zero byte switches to two bytes per character and back).
QString decodeJetText(const unsigned char *data, int size);

}  // namespace veldora
