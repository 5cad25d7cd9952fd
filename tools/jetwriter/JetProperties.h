#pragma once

// Property blobs as Access keeps them for a table in the catalogue (MSysObjects.LvProp):
// "MR2" and a zero byte, a chunk of property names, then one chunk of values for the
// table itself (unnamed) and one for each column named. Store one with
// jet::TableProperties.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

namespace jet {

// Jet type bytes of property values.
namespace prop {
constexpr quint8 Bool = 0x01, Byte = 0x02, Integer = 0x03, Long = 0x04, Currency = 0x05, Single = 0x06,
                 Double = 0x07, DateTime = 0x08, Binary = 0x09, Text = 0x0A, Memo = 0x0C, Guid = 0x0F;
}

struct Property {
    QString name;
    quint8 type = prop::Text;
    QByteArray value;
};

struct PropertyBlock {
    QString name;  // empty for the table, else the column's name
    std::vector<Property> properties;
};

QByteArray propertyBlob(const std::vector<PropertyBlock> &blocks);

// Values as Access stores them: text in UCS-2, numbers little endian.
QByteArray textValue(const QString &text);
QByteArray longValue(qint32 value);
QByteArray boolValue(bool value);

}  // namespace jet
