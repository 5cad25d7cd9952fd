#include "app/ChoosingSettings.h"

#include "app/UserSettings.h"

namespace veldora {

namespace {

constexpr const char *kShowChanges = "choosing/showChanges";
constexpr const char *kOnlyWearable = "browser/onlyWearable";

}  // namespace

ChoosingSettings::ChoosingSettings(QString file) : file_(std::move(file)) {}

bool ChoosingSettings::read(const char *key, bool fallback) const {
    return openUserSettings(file_)->value(QString::fromLatin1(key), fallback).toBool();
}

void ChoosingSettings::write(const char *key, bool value) {
    auto settings = openUserSettings(file_);
    settings->setValue(QString::fromLatin1(key), value);
    settings->sync();
}

bool ChoosingSettings::showChanges() const { return read(kShowChanges, true); }
void ChoosingSettings::setShowChanges(bool on) { write(kShowChanges, on); }
bool ChoosingSettings::onlyWearable() const { return read(kOnlyWearable, false); }
void ChoosingSettings::setOnlyWearable(bool on) { write(kOnlyWearable, on); }

}  // namespace veldora
