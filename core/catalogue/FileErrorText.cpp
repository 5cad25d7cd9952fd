#include "catalogue/FileErrorText.h"

#include <QFileDevice>

#include <algorithm>
#include <iterator>

namespace veldora {

namespace {

struct KnownText {
    const char *english;  // Qt's text untranslated, or the C library's in the C locale
    const char *russian;  // as Qt's Russian translation says it, where it has one
};

const KnownText kKnownTexts[] = {
    {"file to open is a directory", "открываемый файл является каталогом"},
    {"Filename refers to a directory", "имя файла ссылается на каталог"},
    {"No such file or directory", "файл или каталог не существует"},
    {"Permission denied", "доступ запрещён"},
    {"No space left on device", "нет свободного места на устройстве"},
    {"Too many open files", "слишком много открытых файлов"},
    {"Is a directory", "это каталог"},
    {"Not a directory", "это не каталог"},
    {"Read-only file system", "файловая система доступна только для чтения"},
    {"Input/output error", "ошибка ввода-вывода"},
    {"File name too long", "слишком длинное имя файла"},
    {"Disk quota exceeded", "превышена дисковая квота"},
    {"Device or resource busy", "устройство или ресурс занято"},
    {"Operation not permitted", "операция не позволена"},
    {"Text file busy", "файл занят"},
    {"Unknown error", "неизвестная ошибка"},
};

struct KindText {
    QFileDevice::FileError kind;
    const char *russian;
};

const KindText kKindTexts[] = {
    {QFileDevice::ReadError, "ошибка чтения"},
    {QFileDevice::WriteError, "ошибка записи"},
    {QFileDevice::FatalError, "неисправимая ошибка"},
    {QFileDevice::ResourceError, "не хватает места на диске или системных ресурсов"},
    {QFileDevice::OpenError, "файл не открывается"},
    {QFileDevice::AbortError, "операция прервана"},
    {QFileDevice::TimeOutError, "истекло время ожидания"},
    {QFileDevice::RemoveError, "файл не удаляется"},
    {QFileDevice::RenameError, "файл не переименовывается"},
    {QFileDevice::PositionError, "ошибка перехода к месту в файле"},
    {QFileDevice::ResizeError, "размер файла не меняется"},
    {QFileDevice::PermissionsError, "права доступа к файлу не меняются"},
    {QFileDevice::CopyError, "файл не копируется"},
};

bool isCyrillic(QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; }

// "Доступ запрещён" reads "доступ запрещён" after a colon; "ОС ..." stays.
QString afterColon(QString text) {
    if (text.size() > 1 && text[0].isUpper() && text[1].isLower()) text[0] = text[0].toLower();
    return text;
}

}  // namespace

QString fileErrorText(const QFileDevice &file) {
    if (file.error() == QFileDevice::NoError) return {};
    const QString described = file.errorString().trimmed();
    if (std::any_of(described.begin(), described.end(), isCyrillic)) return afterColon(described);
    for (const KnownText &k : kKnownTexts)
        if (described.compare(QLatin1String(k.english), Qt::CaseInsensitive) == 0) return QString::fromUtf8(k.russian);
    const auto kind = std::find_if(std::begin(kKindTexts), std::end(kKindTexts),
                                   [&](const KindText &k) { return k.kind == file.error(); });
    return QString::fromUtf8(kind != std::end(kKindTexts) ? kind->russian : "неизвестная ошибка");
}

}  // namespace veldora
