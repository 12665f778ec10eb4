#pragma once
// Every file the program reads or writes passes through here: the desktop's file
// dialogs (or, in the tests, a file name handed in), a file dropped on a window,
// reading with a size limit, and saving that never leaves a half-written file.
// What the bytes mean is the engine's business.

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>
#include <utility>

class QMimeData;
class QWidget;

namespace pick3 {

// What the file dialogs ask: open or save, the dialog's caption, the name
// proposed, and the filter ("Filter sets (*.p3set);;All files (*)").
struct FileQuestion {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString caption;
    QString proposedName;
    QString filter;
    // Save only: added to a name typed without one ("evening" saves as
    // "evening.p3set"), before the dialog asks whether to replace a file.
    QString defaultSuffix;
};
// What a file dialog answered: the path (empty for Cancel) and, for a save,
// the type chosen in it ("CSV with structure (*.csv)"), empty when none was.
struct FileAnswer {
    FileAnswer(QString chosenPath = {}, QString chosenFilter = {}) // NOLINT: a path alone will do
        : path(std::move(chosenPath)), filter(std::move(chosenFilter)) {}
    QString path;
    QString filter;
};
// Answers a question; a bare path stands for an answer with no type chosen.
using FileChooser = std::function<FileAnswer(const FileQuestion&)>;

// The path the user picked, or empty when they cancelled. A save's name typed
// without an ending gets the ending of the type chosen ("evening" with CSV
// chosen saves as "evening.csv"), or the question's default suffix when the
// type has no single ending ("All files").
QString chooseFile(QWidget* parent, const FileQuestion& question);
// "csv" for "CSV with structure (*.csv)"; empty for "All files (*)" or a type of several endings.
QString suffixOfFilter(const QString& nameFilter);

// Qt's file dialog remembers its last folder in the user's Qt settings file.
// This points every user-scope setting at a folder of its own, removed when
// the program ends, so only the files the user picks are read or written; the
// last folder is remembered for the run only. Called as a dialog that may ask for a
// file (a file dialog, the print dialog) first opens, not at start: a run that opens
// none makes no folder. The folder, for the tests.
QString keepSettingsForTheRunOnly();
// Replaces the desktop's dialogs (tests hand a file name in); an empty
// chooser brings the dialogs back.
void setFileChooser(FileChooser chooser);

// The first local file of a drag or a drop, or empty when it carries none.
QString droppedFile(const QMimeData* mime);

struct FileBytes {
    std::string bytes;
    // Empty when the file was read; otherwise a sentence for the user that
    // names the file and what went wrong.
    QString error;
    bool ok() const { return error.isEmpty(); }
};
// The whole file, or why not: it cannot be opened, it is a folder, or it is
// larger than `maxBytes` (nothing is read then).
FileBytes readFileBytes(const QString& path, qint64 maxBytes);

// Writes `bytes` to `path` through QSaveFile: the old file stays whole until the
// new one is complete. Empty on success, otherwise a sentence for the user
// naming the file and the reason.
QString saveFileBytes(const QString& path, const QByteArray& bytes);

// "numbers.txt": the file's name without its folder, for labels and messages.
QString fileNameOf(const QString& path);

} // namespace pick3
