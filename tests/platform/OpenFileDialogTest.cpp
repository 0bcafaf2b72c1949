#include "platform/OpenFileDialog.h"
#include "platform/Production.h"
#include "platform/SaveFileDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

using Perm = QFileDevice::Permission;

constexpr QFileDevice::Permissions Writable = Perm::ReadOwner | Perm::WriteOwner | Perm::ExeOwner;

struct Folder {
    Folder() {
        EXPECT_TRUE(QDir(root.path()).mkdir(QStringLiteral("f")));
        folder = root.filePath(QStringLiteral("f"));
        file = folder + QStringLiteral("/reading.nak");
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ~Folder() { QFile::setPermissions(folder, Writable); }
    QTemporaryDir root;
    QString folder;
    QString file;
};

TEST(ReadOnlyRefusal, OwnerWriteBitsOfFileAndFolder) {
    const struct {
        QFileDevice::Permissions fileBits;
        QFileDevice::Permissions folderBits;
        const char* notice;
        const char* reason;
    } rows[] = {
        {Perm::ReadOwner | Perm::WriteOwner, Writable, "", "an ordinary file"},
        {Perm::WriteOwner, Writable, "", "only the write bit counts"},
        {Perm::ReadOwner, Writable, "This file is set to read-only. Choose another file.",
         "read-only file"},
        {Perm::ReadOwner | Perm::ReadGroup | Perm::WriteGroup | Perm::WriteOther, Writable,
         "This file is set to read-only. Choose another file.",
         "others may write, the owner may not"},
        {Perm::ReadOwner | Perm::WriteOwner, Perm::ReadOwner | Perm::ExeOwner,
         "This file is in a write-protected folder. Choose another file.",
         "write-protected folder"},
        {Perm::ReadOwner, Perm::ReadOwner | Perm::ExeOwner,
         "This file is set to read-only. Choose another file.", "both: the file speaks first"},
    };
    for (const auto& row : rows) {
        Folder f;
        ASSERT_TRUE(QFile::setPermissions(f.file, row.fileBits));
        ASSERT_TRUE(QFile::setPermissions(f.folder, row.folderBits));
        EXPECT_EQ(platform::readOnlyRefusal(f.file), QString::fromLatin1(row.notice)) << row.reason;
    }
}

// Runs `act` on the file dialog once it is shown.
std::optional<QString> chooseWith(std::function<void(QFileDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    return platform::productionOpenFileDialog().chooseFile(
        nullptr, {QStringLiteral("Select the source file"), QStringLiteral("QV Starcall (*.nak)"),
                  QStringLiteral("*.nak"), QStringLiteral("nak")});
}

TEST(QtOpenFileDialog, SetUpFromTheRequest) {
    const auto chosen = chooseWith([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select the source file"));
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("QV Starcall (*.nak)")});
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("nak"));
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        dialog.reject();
    });
    EXPECT_EQ(chosen, std::nullopt) << "Cancel gives no path";
}

TEST(QtOpenFileDialog, RefusesAReadOnlyFileAndStaysOpen) {
    Folder f;
    const QString readOnly = f.folder + QStringLiteral("/locked.nak");
    {
        QFile locked(readOnly);
        ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::setPermissions(readOnly, Perm::ReadOwner));

    QString notice;
    Qt::TextFormat format = Qt::AutoText;
    bool stayedOpen = false;
    const auto chosen = chooseWith([&](QFileDialog& dialog) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            notice = box->text();
            format = box->textFormat();
            box->accept();
        });
        dialog.selectFile(readOnly);
        static_cast<QDialog&>(dialog).accept();
        stayedOpen = dialog.isVisible();
        dialog.selectFile(f.file);
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_TRUE(notice.contains(QStringLiteral("This file is set to read-only.")))
        << notice.toStdString();
    EXPECT_EQ(format, Qt::PlainText) << "the path is data, not markup";
    EXPECT_TRUE(stayedOpen);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).canonicalFilePath(), QFileInfo(f.file).canonicalFilePath());
}

} // namespace

// A name typed without an extension is saved as the type chosen in the list.
TEST(QtSaveFileDialog, ANameWithoutExtensionTakesTheChosenType) {
    Folder f;
    QTimer::singleShot(0, [&f] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("vantrel")) << "the first type";
        dialog->selectNameFilter(dialog->nameFilters().at(1));
        emit dialog->filterSelected(dialog->nameFilters().at(1));
        dialog->selectFile(f.folder + QStringLiteral("/ring"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = platform::productionSaveFileDialog().chooseSaveFile(
        nullptr, {QStringLiteral("Save Reading As"),
                  QStringLiteral("QV Vantrel reading (*.vantrel);;QV Starcall (*.nak)"),
                  QStringLiteral("*.vantrel"), f.folder + QStringLiteral("/Ann.vantrel")});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QStringLiteral("ring.nak"));
}
