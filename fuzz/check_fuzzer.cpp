// The file check alone, under AddressSanitizer: it must never read outside the file nor
// misbehave, whatever the bytes.

#include "catalogue/JetFileCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const QStringList tables{QStringLiteral("Предметы"), QStringLiteral("Фулы Бонус"), QStringLiteral("Отчёты")};
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const veldora::JetFileCheck check = veldora::checkJetFile(file, tables);
    if (check.problem.isEmpty() && check.tablePages.size() != size_t(tables.size())) __builtin_trap();
    return 0;
}
