#pragma once

#include "customitems/CustomItemFields.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace veldora {

// Why bytes are not a custom item record.
struct RecordFault {
    enum Kind { TooShort, LengthBeyondCapacity } kind;
    int size = 0;    // TooShort: the bytes there are
    int field = -1;  // LengthBeyondCapacity: the field, its length byte
    int length = 0;
};

// "Файл «…» не является файлом предмета: …".
QString recordFaultMessage(const QString &fileName, const RecordFault &fault);

// One custom item as its 810 bytes. A text is a length byte and that many
// Windows-1251 characters; the bytes after the text up to the field's end are
// kept exactly as they were read, so an edit writes them back unchanged.
class CustomItemRecord {
public:
    // All zero bytes: every text empty, every flag clear.
    CustomItemRecord();

    // The first record of `bytes`; more bytes may follow and are ignored. Nothing
    // past the record is read, and no text is taken beyond its field.
    static std::variant<CustomItemRecord, RecordFault> fromBytes(const QByteArray &bytes);

    const QByteArray &bytes() const { return bytes_; }

    QString text(int field) const;
    // Cut to the field's capacity; the bytes after the new text stay as they were.
    void setText(int field, const QString &text);
    bool flag(int field) const;
    void setFlag(int field, bool on);

    bool operator==(const CustomItemRecord &) const = default;

private:
    QByteArray bytes_;
};

}  // namespace veldora
