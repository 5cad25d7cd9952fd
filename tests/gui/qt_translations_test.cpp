#include "GuiTestSupport.h"

#include "app/QtTranslations.h"
#include "catalogue/FileErrorText.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace veldora {
namespace {

TEST(QtTranslations, QtsOwnTextsAreRussian) {
    QTranslator *translator = installRussianQtTexts(*qApp);
    ASSERT_NE(translator, nullptr) << "Qt's Russian translation (qt6-translations-l10n) is not installed";

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Вельдора"), QStringLiteral("Текст"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Save);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
    EXPECT_EQ(box.button(QMessageBox::Save)->text(), QStringLiteral("Сохранить"));

    // The file dialog of the custom items is Qt's own, not the desktop's, and speaks Russian.
    QFileDialog dialog(nullptr, QStringLiteral("Картинка"));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog) ||
                QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
    const QString fileName = test::named<QLabel>(&dialog, QStringLiteral("fileNameLabel"))->text();
    EXPECT_TRUE(fileName.contains(QStringLiteral("Имя файла"))) << fileName.toStdString();
    auto *buttons = test::named<QDialogButtonBox>(&dialog, QStringLiteral("buttonBox"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));

    // Qt's descriptions of file errors, which the program's messages quote.
    QTemporaryDir dir;
    QFile folder(dir.path());
    EXPECT_FALSE(folder.open(QIODevice::ReadOnly));
    EXPECT_EQ(folder.errorString(), QStringLiteral("открываемый файл является каталогом"));
    EXPECT_EQ(fileErrorText(folder), QStringLiteral("открываемый файл является каталогом"));

    QCoreApplication::removeTranslator(translator);
    delete translator;
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
}

}  // namespace
}  // namespace veldora
