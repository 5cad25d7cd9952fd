// Writes the sample program folder's custom items into PROGRAM_FOLDER/DataObject/
// with the program's own writer, their pictures drawn into DataObject/img/.
//
//   customitemgen PROGRAM_FOLDER
//
// Only these items are written (replacing earlier copies of them); items a
// player made in the folder stay. Nothing random is used.
#include "Drawing.h"
#include "catalogue/ProgramFiles.h"
#include "customitems/CustomItemForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QTextStream>

namespace {

using namespace veldora;

struct Collected : UserMessages {
    QStringList messages;
    void showMessage(const QString &text) override { messages << text; }
};

struct SampleItem {
    const char *name;
    const char *type;
    const char *pictureType;  // the catalogue type the picture is drawn as
    const char *pictureOnDisk;
    const char *pictureInRecord;  // may differ in letter case, as folders from Windows do
    bool coins;
    bool partOfSets;
    std::initializer_list<std::pair<const char *, const char *>> inputs;
};

const SampleItem kItems[] = {
    {"Клинок рассвета", "Мечи", "Оружия", "klinok_rassveta.jpg", "klinok_rassveta.jpg", true, false,
     {{"LabeledEditCost", "450"}, {"LabeledEditMassa", "3"}, {"LabeledEditDolgovechnost", "50/50"},
      {"EditCrit", "12"}, {"EditMin", "8"}, {"EditMax", "14"}, {"EditProboyBroni", "5"}, {"EditWeaponSword", "2"},
      {"EditTrebLvl", "8"}, {"EditTrebSila", "12"}, {"EditTrebLovkost", "6"}}},
    {"Кольцо странника", "Кольца", "Кольца", "kolco_strannika.bmp", "kolco_strannika.bmp", false, true,
     {{"LabeledEditCost", "3"}, {"LabeledEditDolgovechnost", "20/20"}, {"EditUvorot", "10"}, {"EditLovkost", "2"},
      {"EditMagicAir", "1"}, {"EditTrebLvl", "4"}, {"EditTrebLovkost", "8"}}},
    {"Шлем стража", "Шлемы", "Шлемы", "Shlem_Strazha.JPG", "shlem_strazha.jpg", true, false,
     {{"LabeledEditCost", "1200"}, {"LabeledEditMassa", "6"}, {"LabeledEditDolgovechnost", "80/80"},
      {"EditBronGolovi", "50"}, {"EditLvlHP", "30"}, {"EditZawOtMagFire", "15"}, {"EditTrebLvl", "20"},
      {"EditTrebSila", "25"}, {"EditTrebHP", "20"}}},
    {"Посох ст. мага", "Посохи", "Оружия", "posoh_st_maga.jpg", "posoh_st_maga.jpg", false, false,
     {{"LabeledEditCost", "40"}, {"LabeledEditMassa", "4"}, {"LabeledEditDolgovechnost", "40/40"},
      {"EditMoshnost", "10"}, {"EditMagicFire", "3"}, {"EditAuraSun", "1"}, {"EditWeaponStaf", "2"},
      {"EditTrebLvl", "12"}, {"EditTrebIntellekt", "15"}, {"EditTrebMagicFire", "4"}}},
};

int fail(const QString &message) {
    QTextStream(stderr) << "customitemgen: " << message << Qt::endl;
    return 1;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) return fail(QStringLiteral("нужно: customitemgen PROGRAM_FOLDER"));
    const QString program = args[1];
    const QString pictures = program + QStringLiteral("/DataObject/img");
    if (!QDir().mkpath(pictures)) return fail(QStringLiteral("не удалось создать папку %1").arg(pictures));

    const CustomItemStore store(program);
    for (const SampleItem &item : kItems) {
        picturegen::PictureItem drawn;
        drawn.type = QString::fromUtf8(item.pictureType);
        drawn.name = QString::fromUtf8(item.name);
        drawn.set = QStringLiteral("NoFull");
        drawn.level = 10;
        drawn.artefact = true;  // drawn at the size of the slot the item is worn in
        const QString onDisk = pictures + QLatin1Char('/') + QString::fromUtf8(item.pictureOnDisk);
        QImageWriter writer(onDisk, onDisk.endsWith(QLatin1String("bmp")) ? "BMP" : "JPEG");
        if (!writer.write(picturegen::drawItem(drawn))) return fail(onDisk + QStringLiteral(": ") + writer.errorString());
        forgetFolderListings();

        CustomItemForm form = CustomItemForm::defaults();
        form.texts[field::Name] = QString::fromUtf8(item.name);
        form.texts[field::Type] = QString::fromUtf8(item.type);
        form.setFlag(field::Coins, item.coins);
        form.setFlag(field::PartOfSets, item.partOfSets);
        for (const auto &[input, text] : item.inputs) {
            const auto f = fieldByInput(QString::fromLatin1(input));
            if (!f) return fail(QStringLiteral("нет поля %1").arg(QString::fromLatin1(input)));
            form.texts[*f] = QString::fromUtf8(text);
        }
        // The picture is there already under its name, so the writer only names it.
        form.picture = pictures + QLatin1Char('/') + QString::fromUtf8(item.pictureInRecord);
        Collected messages;
        if (!createCustomItem(store, form, messages) || messages.messages != QStringList{QStringLiteral("Предмет создан.")})
            return fail(messages.messages.join(QLatin1Char(' ')));
    }
    return 0;
}
