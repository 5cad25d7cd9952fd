#include "app/ChoosingSettings.h"

#include <QSettings>
#include <memory>

namespace veldora {

namespace {

constexpr const char *kShowChanges = "choosing/showChanges";
constexpr const char *kOnlyWearable = "browser/onlyWearable";

std::unique_ptr<QSettings> open(const QString &file) {
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("veldora"),
                                       QStringLiteral("veldora"));
}

}  // namespace

ChoosingSettings::ChoosingSettings(QString file) : file_(std::move(file)) {}

bool ChoosingSettings::read(const char *key, bool fallback) const {
    return open(file_)->value(QString::fromLatin1(key), fallback).toBool();
}

void ChoosingSettings::write(const char *key, bool value) {
    auto settings = open(file_);
    settings->setValue(QString::fromLatin1(key), value);
    settings->sync();
}

bool ChoosingSettings::showChanges() const { return read(kShowChanges, true); }
void ChoosingSettings::setShowChanges(bool on) { write(kShowChanges, on); }
bool ChoosingSettings::onlyWearable() const { return read(kOnlyWearable, false); }
void ChoosingSettings::setOnlyWearable(bool on) { write(kOnlyWearable, on); }

}  // namespace veldora
