#include "customitems/CustomItemRecord.h"

#include "customitems/Cp1251.h"

namespace veldora {

QString recordFaultMessage(const QString &fileName, const RecordFault &fault) {
    const QString head = QStringLiteral("Файл «%1» не является файлом предмета: ").arg(fileName);
    if (fault.kind == RecordFault::TooShort)
        return head + QStringLiteral("его размер %1 байт, а запись предмета занимает %2 байт.")
                          .arg(fault.size)
                          .arg(kCustomItemRecordSize);
    const CustomItemField &f = kCustomItemFields[fault.field];
    return head + QStringLiteral("в поле «%1» записана длина %2, а поле вмещает не больше %3 знаков.")
                      .arg(QString::fromUtf8(f.caption))
                      .arg(fault.length)
                      .arg(f.capacity);
}

CustomItemRecord::CustomItemRecord() : bytes_(kCustomItemRecordSize, '\0') {}

std::variant<CustomItemRecord, RecordFault> CustomItemRecord::fromBytes(const QByteArray &bytes) {
    if (bytes.size() < kCustomItemRecordSize)
        return RecordFault{RecordFault::TooShort, static_cast<int>(bytes.size())};
    CustomItemRecord record;
    record.bytes_ = bytes.left(kCustomItemRecordSize);
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        const CustomItemField &f = kCustomItemFields[i];
        if (f.kind == FieldKind::Flag) continue;
        const int length = static_cast<unsigned char>(record.bytes_[f.offset]);
        if (length > f.capacity) return RecordFault{RecordFault::LengthBeyondCapacity, 0, i, length};
    }
    return record;
}

QString CustomItemRecord::text(int field) const {
    const CustomItemField &f = kCustomItemFields[field];
    // fromBytes() proved every length; a record made here never holds a longer one.
    const int length = static_cast<unsigned char>(bytes_[f.offset]);
    return decodeCp1251(bytes_.mid(f.offset + 1, length));
}

void CustomItemRecord::setText(int field, const QString &text) {
    const CustomItemField &f = kCustomItemFields[field];
    const QByteArray encoded = encodeCp1251(text.left(f.capacity));
    bytes_[f.offset] = static_cast<char>(encoded.size());
    bytes_.replace(f.offset + 1, encoded.size(), encoded);
}

bool CustomItemRecord::flag(int field) const { return bytes_[kCustomItemFields[field].offset] != '\0'; }

// A flag byte other than 0 and 1 counts as set and is kept while it stays set.
void CustomItemRecord::setFlag(int field, bool on) {
    if (flag(field) != on) bytes_[kCustomItemFields[field].offset] = on ? '\1' : '\0';
}

}  // namespace veldora
