#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace veldora {

// libmdb trusts every offset and pointer of a file: a damaged file can make it read out
// of bounds, loop for ever or call exit(). Before libmdb sees a file, this check walks
// every structure libmdb will walk to read the system catalogue and the tables named:
// the header, table definitions and their page chains, usage maps, data pages, row
// layouts and the long values of the catalogue's properties. A file that passes can be
// read by libmdb without leaving the file's bounds.
//
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
