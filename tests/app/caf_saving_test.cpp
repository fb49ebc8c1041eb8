// SPDX-License-Identifier: GPL-3.0-or-later
// The CAF save dialog, which the window flows replace by their own choice: its filters, the
// overwrite question, refused folders and the folder it starts in.
#include "app/shell/caf_saving.h"
#include "tests/app/test_support.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace spirolan {
namespace {

using test::WriteBytes;

// No extension is added under the CAF filter; replacing is asked first, No returns to the dialog;
// a name in a folder that does not exist is refused with a message naming it.
TEST(SaveDialogTest, QtsOwnDialogWithTheFiltersNoDefaultExtensionAndAnOverwritePrompt) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("old.caf"), "old");
    WriteBytes(dir.filePath("plain"), "x");
    for (const QString typed : {"groove", "old.caf"}) {
        QFileDialog* dialog = CreateSaveDialog(nullptr, dir.path());
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), QStringList({"CAF Files(*.caf)", "All Files(*.*)"}));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        dialog->open();
        QApplication::processEvents();
        auto* filters = dialog->findChild<QComboBox*>("fileTypeCombo");
        QTest::keyClick(filters, Qt::Key_Down);
        EXPECT_EQ(dialog->findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*"});
        QTest::keyClick(filters, Qt::Key_Up);
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("CAF Files(*.caf)"));
        QString chosen;
        QObject::connect(dialog, &QFileDialog::fileSelected,
                         [&](const QString& file) { chosen = file; });
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        for (const QString refused : {"missing/new.caf", "plain/new.caf"}) {
            test::MessageBoxWatcher boxes;
            test::Retype(name, refused);
            QTest::keyClick(name, Qt::Key_Return);
            ASSERT_EQ(boxes.log.size(), 1u) << refused.toStdString();
            EXPECT_TRUE(boxes.log[0].starts_with("Spirolan|") && boxes.log[0].ends_with("|2"));
            const QString folder = QFileInfo(dir.filePath(refused)).absolutePath();
            EXPECT_NE(boxes.log[0].find(folder.toStdString()), std::string::npos) << boxes.log[0];
            EXPECT_TRUE(dialog->isVisible() && chosen.isEmpty());
        }
        test::Retype(name, typed);
        if (typed == "old.caf") {
            test::MessageBoxWatcher no(QMessageBox::No);
            QTest::keyClick(name, Qt::Key_Return);
            ASSERT_EQ(no.log.size(), 1u);
            EXPECT_NE(no.log[0].find("old.caf"), std::string::npos);
            EXPECT_TRUE(dialog->isVisible() && chosen.isEmpty());
        }
        test::MessageBoxWatcher yes(QMessageBox::Yes);
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_EQ(chosen, QDir(dir.path()).absoluteFilePath(typed));
    }
}

// The first folder is the stored one as the local system reads it, else the home folder.
TEST(SaveDialogTest, StartsInTheStoredFolderOrAtHome) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("plain"), "x");
    const std::string stored =
        QDir::toNativeSeparators(dir.path()).replace('/', '\\').toStdString();
    EXPECT_EQ(SaveDialogFolder("\\"), "/");
    EXPECT_EQ(SaveDialogFolder(stored), dir.path());
    for (const std::string& missing : {std::string(), stored + "\\gone", stored + "\\plain"}) {
        EXPECT_EQ(SaveDialogFolder(missing), QDir::homePath()) << missing;
    }
    std::unique_ptr<QFileDialog> dialog(CreateSaveDialog(nullptr, "\\no such folder"));
    EXPECT_EQ(dialog->directory().absolutePath(), QDir::homePath());
}

} // namespace
} // namespace spirolan
