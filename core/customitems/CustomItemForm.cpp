#include "customitems/CustomItemForm.h"

#include "customitems/CustomItemNames.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace veldora {

CustomItemForm CustomItemForm::defaults() {
    CustomItemForm form;
    for (int i = 0; i < kCustomItemFieldCount; ++i) form.texts[i] = QString::fromUtf8(kCustomItemFields[i].defaultText);
    return form;
}

CustomItemForm CustomItemForm::fromRecord(const CustomItemRecord &record, const CustomItemEntry &entry) {
    CustomItemForm form;
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        if (kCustomItemFields[i].kind == FieldKind::Flag)
            form.setFlag(i, record.flag(i));
        else
            form.texts[i] = record.text(i);
    }
    form.texts[field::Name] = entry.name;
    form.texts[field::Type] = entry.type;
    form.picture = record.text(field::Picture);
    return form;
}

void CustomItemForm::writeInto(CustomItemRecord &record, FormWindow window) const {
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        const CustomItemField &f = kCustomItemFields[i];
        if (!f.input || (window == FormWindow::Editing && !f.editable)) continue;
        if (f.kind == FieldKind::Flag)
            record.setFlag(i, flag(i));
        else
            record.setText(i, texts[i]);
    }
}

namespace {

bool sameFile(const QString &a, const QString &b) {
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                       std::filesystem::path(QFile::encodeName(b).toStdString()), error);
}

struct SavedItem {
    QString fileName;
    CustomItemRecord record;
};

// The save both windows share. `record` is the record to write the form into;
// `openedFrom`, when given, the file the item is moved away from.
std::optional<SavedItem> saveItem(const CustomItemStore &store, CustomItemRecord record, const CustomItemForm &form,
                                FormWindow window, const QString &openedFrom, UserMessages &messages) {
    const QString &name = form.texts[field::Name];
    const QString &type = form.texts[field::Type];
    const auto refuse = [&](const QString &text) -> std::optional<SavedItem> {
        messages.showMessage(text);
        return std::nullopt;
    };
    if (name.isEmpty()) return refuse(QStringLiteral("Вы не ввели название предмета"));
    if (type.isEmpty()) return refuse(QStringLiteral("Вы не ввели тип предмета"));
    if (form.picture.isEmpty()) return refuse(QStringLiteral("Вы не указать путь к файлу"));
    if (const auto problem = fileNameProblem(name, NamePart::ItemName)) return refuse(*problem);
    if (const auto problem = fileNameProblem(type, NamePart::ItemType)) return refuse(*problem);
    const PicturePath picture = storedPicturePath(form.picture);
    if (!picture.refusal.isEmpty()) return refuse(picture.refusal);

    form.writeInto(record, window);
    record.setText(field::Picture, picture.storedPath);
    const QString fileName = customItemFileName(name, type);
    if (const QString error = store.write(fileName, record); !error.isEmpty()) return refuse(error);
    const QString copyWarning = store.copyPicture(form.picture);

    QString moveWarning;
    if (!openedFrom.isEmpty() && openedFrom != fileName) {
        // Only now that the new file is complete; never the file just written,
        // which it is on a file system that ignores letter case.
        const QString old = store.filePath(openedFrom);
        if (!sameFile(old, store.filePath(fileName)) && QFile::exists(old) && !store.remove(openedFrom))
            moveWarning = QStringLiteral("Старый файл предмета «%1» не удалён.").arg(openedFrom);
    }
    messages.showMessage(window == FormWindow::Creation ? QStringLiteral("Предмет создан.")
                                                        : QStringLiteral("Предмет изменён."));
    if (!copyWarning.isEmpty()) messages.showMessage(copyWarning);
    if (!moveWarning.isEmpty()) messages.showMessage(moveWarning);
    return SavedItem{fileName, record};
}

}  // namespace

bool createCustomItem(const CustomItemStore &store, CustomItemForm &form, UserMessages &messages) {
    if (!saveItem(store, CustomItemRecord(), form, FormWindow::Creation, QString(), messages)) return false;
    form = CustomItemForm::defaults();
    return true;
}

std::optional<EditedItem> openCustomItem(const CustomItemStore &store, const CustomItemEntry &entry,
                                         UserMessages &messages) {
    auto read = store.read(entry.fileName);
    if (const auto *error = std::get_if<QString>(&read)) {
        messages.showMessage(*error);
        return std::nullopt;
    }
    return EditedItem{std::get<CustomItemRecord>(std::move(read)), entry.fileName};
}

bool saveEditedItem(const CustomItemStore &store, EditedItem &item, const CustomItemForm &form,
                    UserMessages &messages) {
    auto saved = saveItem(store, item.record, form, FormWindow::Editing, item.openedFrom, messages);
    if (!saved) return false;
    item = EditedItem{std::move(saved->record), saved->fileName};
    return true;
}

}  // namespace veldora
