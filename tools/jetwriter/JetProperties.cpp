#include "JetProperties.h"


namespace jet {

namespace {

void append16(QByteArray &b, quint32 v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void append32(QByteArray &b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void put32(QByteArray &b, qsizetype at, quint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A chunk: its length (counting these six bytes) and its type, then the payload.
void appendChunk(QByteArray &out, quint16 type, const QByteArray &payload) {
    append32(out, quint32(payload.size() + 6));
    append16(out, type);
    out.append(payload);
}

}  // namespace

QByteArray textValue(const QString &text) {
    QByteArray b;
    for (QChar c : text) append16(b, c.unicode());
    return b;
}

QByteArray longValue(qint32 value) {
    QByteArray b;
    append32(b, quint32(value));
    return b;
}

QByteArray boolValue(bool value) { return QByteArray(1, value ? char(0xFF) : char(0)); }

QByteArray propertyBlob(const std::vector<PropertyBlock> &blocks) {
    QStringList names;
    for (const PropertyBlock &block : blocks)
        for (const Property &p : block.properties)
            if (!names.contains(p.name)) names << p.name;
    QByteArray out("MR2", 4);  // with its terminating zero
    QByteArray list;
    for (const QString &n : names) {
        const QByteArray text = textValue(n);
        append16(list, quint32(text.size()));
        list.append(text);
    }
    appendChunk(out, 0x80, list);
    for (const PropertyBlock &block : blocks) {
        // The block repeats its own length, then its name.
        QByteArray payload;
        append32(payload, 0);
        const QByteArray name = textValue(block.name);
        append16(payload, quint32(name.size()));
        payload.append(name);
        for (const Property &p : block.properties) {
            QByteArray record;
            append16(record, quint32(8 + p.value.size()));
            record.append(char(0));  // not a DDL property
            record.append(char(p.type));
            append16(record, quint32(names.indexOf(p.name)));
            append16(record, quint32(p.value.size()));
            record.append(p.value);
            payload.append(record);
        }
        put32(payload, 0, quint32(payload.size()));
        appendChunk(out, block.name.isEmpty() ? 0x00 : 0x01, payload);
    }
    return out;
}

}  // namespace jet
