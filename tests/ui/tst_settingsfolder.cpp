// Only the files the user picks are read or written: Qt's own file dialog,
// opened for a save and for an open, leaves the user's configuration folder as
// it was; its memory of the last folder lives in a folder of the program's own,
// holds for the run, and is gone when the program ends.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/FileAccess.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace pick3;
using namespace pick3::test;

namespace {

// Every file and folder under `path`, relative to it.
QStringList everythingUnder(const QString& path) {
    QStringList found;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << QDir(path).relativeFilePath(it.next());
    }
    return found;
}

QTemporaryDir& home() {
    static QTemporaryDir folder;
    return folder;
}

} // namespace

class SettingsFolderTest : public QObject {
    Q_OBJECT
    QTemporaryDir files_; // where the user saves and opens

    // Clicks `button`, and in the file dialog it opens picks `path`; the folder the dialog opened
    // in.
    QString pickInDialog(QWidget* window, const QString& button, const QString& path) {
        QString openedIn;
        const bool opened = inModal(window, button, [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY2(dialog != nullptr, qPrintable(modal->metaObject()->className()));
            openedIn = dialog->directory().absolutePath();
            // Typed into the name box, as a user would (a name set by code is not
            // taken while the box has the keyboard).
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            name->setText(path);
            QCOMPARE(dialog->selectedFiles(), QStringList{path});
            static_cast<QDialog*>(dialog)->accept(); // as the dialog's own button does
        });
        return opened ? openedIn : QStringLiteral("(no dialog)");
    }

  private Q_SLOTS:
    void dialogsLeaveTheUserConfigurationAlone() {
        QWidget* w = startMainWindow();
        setFileChooser({}); // the real dialogs
        doSteps(w, {"lstDigitsWheel:1234", "cmdProduce"});
        const QString saved = files_.filePath(QStringLiteral("evening.txt"));
        pickInDialog(w, QStringLiteral("cmdSaveNumbers"), saved);
        QTRY_VERIFY(QFile::exists(saved));
        const QString set = files_.filePath(QStringLiteral("filters.p3set"));
        pickInDialog(w, QStringLiteral("cmdSaveSet"), set);
        QTRY_VERIFY(QFile::exists(set));
        // The open starts in the set's folder; the save after it where the last dialog ended.
        QCOMPARE(pickInDialog(w, QStringLiteral("cmdOpenSet"), set), files_.path());
        const QString again = files_.filePath(QStringLiteral("again.txt"));
        QCOMPARE(pickInDialog(w, QStringLiteral("cmdSaveNumbers"), again), files_.path());
        QTRY_VERIFY(QFile::exists(again));

        QCOMPARE(everythingUnder(qEnvironmentVariable("XDG_CONFIG_HOME")), QStringList());
        QCOMPARE(everythingUnder(home().filePath(QStringLiteral("home/.config"))), QStringList());
        QVERIFY2(everythingUnder(keepSettingsForTheRunOnly()).join(' ').contains("QtProject"),
                 "the dialogs kept nothing at all");
        unloadMainWindow();
    }
};

// The user's folders are made up here, before Qt looks for them; the program's
// own settings folder must be gone once the application has ended.
int main(int argc, char* argv[]) {
    QDir(home().path()).mkpath(QStringLiteral("config"));
    QDir(home().path()).mkpath(QStringLiteral("home/.config"));
    qputenv("XDG_CONFIG_HOME", home().filePath(QStringLiteral("config")).toUtf8());
    qputenv("HOME", home().filePath(QStringLiteral("home")).toUtf8());
    QString own;
    int failed = 0;
    {
        QApplication app(argc, argv);
        own = keepSettingsForTheRunOnly();
        SettingsFolderTest test;
        failed = QTest::qExec(&test, argc, argv);
    }
    if (QDir(own).exists()) {
        qCritical("The settings folder %s is still there after the program ended.",
                  qPrintable(own));
        return failed + 1;
    }
    return failed;
}

#include "tst_settingsfolder.moc"
