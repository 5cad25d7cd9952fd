#pragma once

#include <QByteArray>
#include <QString>

namespace veldora {

// The property blob of a catalogue row (its LvProp value), checked the way libmdb parses
// it when it lists the tables: "MR2" or "KKD" and a zero byte, then chunks of property
// names and of values that refer to the names by number. libmdb bounds almost nothing
// here, so every length is checked against the blob and every value against the bytes its
// type makes libmdb read. Returns the first fault in Russian, empty when sound.
QString checkJetProperties(const QByteArray &blob);

}  // namespace veldora
