#include "widgets/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

namespace pick3 {

namespace {

FileChooser& chooser() {
    static FileChooser instance;
    return instance;
}

QString quoted(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
}

} // namespace

QString suffixOfFilter(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) {
        return {};
    }
    const QString patterns = nameFilter.mid(open + 1, close - open - 1).trimmed();
    static const QRegularExpression single(QStringLiteral("^\\*\\.(\\w+)$"));
    const QRegularExpressionMatch match = single.match(patterns);
    return match.hasMatch() ? match.captured(1) : QString();
}

namespace {

// A name without an ending gets the chosen type's ending, or `fallback`.
QString withEnding(const QString& path, const QString& nameFilter, const QString& fallback) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    const QString suffix = suffixOfFilter(nameFilter);
    const QString ending = suffix.isEmpty() ? fallback : suffix;
    return ending.isEmpty() ? path : path + QLatin1Char('.') + ending;
}

// The folder of the last file picked in this run; home before the first.
QString& lastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

// A proposed name without a folder ("numbers.txt") is proposed in the last folder.
QString startingPlace(const QString& proposed) {
    if (proposed.isEmpty()) {
        return lastFolder();
    }
    return QFileInfo(proposed).isRelative() ? QDir(lastFolder()).filePath(proposed) : proposed;
}

// Qt's own dialog, the same on every desktop: a desktop's native one may keep
// a list of recent files of its own.
FileAnswer askWithDialog(QWidget* parent, const FileQuestion& question) {
    keepSettingsForTheRunOnly();
    QFileDialog dialog(parent, question.caption, startingPlace(question.proposedName),
                       question.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (question.kind == FileQuestion::Kind::Open) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The ending follows the type chosen, before the dialog asks about replacing a file.
        const auto follow = [&dialog, &question](const QString& filter) {
            const QString suffix = suffixOfFilter(filter);
            dialog.setDefaultSuffix(suffix.isEmpty() ? question.defaultSuffix : suffix);
        };
        follow(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder() = QFileInfo(path).absolutePath();
    return {path, dialog.selectedNameFilter()};
}

} // namespace

QString chooseFile(QWidget* parent, const FileQuestion& question) {
    const FileAnswer answer = chooser() ? chooser()(question) : askWithDialog(parent, question);
    if (question.kind == FileQuestion::Kind::Open) {
        return answer.path;
    }
    return withEnding(answer.path, answer.filter, question.defaultSuffix);
}

QString keepSettingsForTheRunOnly() {
    static QTemporaryDir* folder = nullptr;
    if (folder == nullptr) {
        folder = new QTemporaryDir; // removed when the program ends
        qAddPostRoutine([] {
            delete folder;
            folder = nullptr;
        });
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, folder->path());
        }
    }
    return folder->path();
}

void setFileChooser(FileChooser newChooser) {
    chooser() = std::move(newChooser);
}

QString droppedFile(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls()) {
        return {};
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

namespace {

// At most `limit` bytes of `file`, in a buffer of the size the system reports
// and one byte more to see the end (grown only for a file that grows or a
// device that reports no size): a buffer of the limit would hold the limit in
// memory, not the file.
std::string readUpTo(QFile& file, qint64 limit) {
    std::string bytes(static_cast<std::size_t>(qMin(qMax(file.size(), qint64(1) << 16) + 1, limit)),
                      '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            if (static_cast<qint64>(size) == limit) {
                break;
            }
            bytes.resize(static_cast<std::size_t>(qMin(static_cast<qint64>(size) * 2, limit)));
        }
        const qint64 got = file.read(bytes.data() + size, static_cast<qint64>(bytes.size() - size));
        if (got <= 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
    }
    bytes.resize(size);
    return bytes;
}

} // namespace

FileBytes readFileBytes(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return {{}, QStringLiteral("%1 is a folder, not a file.").arg(quoted(path))};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {
            {},
            QStringLiteral("%1 could not be opened: %2.").arg(quoted(path), file.errorString())};
    }
    // A size the system reports is checked first, and the read itself stops one
    // byte past the limit, so a growing file or a device cannot outrun it.
    if (file.size() > maxBytes) {
        return {{},
                QStringLiteral("%1 is %2 MB; files over %3 MB are not read.")
                    .arg(quoted(path))
                    .arg(double(file.size()) / 1e6, 0, 'f', 1)
                    .arg(double(maxBytes) / 1e6, 0, 'f', maxBytes % 1000000 == 0 ? 0 : 1)};
    }
    std::string bytes = readUpTo(file, maxBytes + 1);
    if (static_cast<qint64>(bytes.size()) > maxBytes) {
        return {{},
                QStringLiteral("%1 is larger than %2 MB and was not read.")
                    .arg(quoted(path))
                    .arg(double(maxBytes) / 1e6, 0, 'f', maxBytes % 1000000 == 0 ? 0 : 1)};
    }
    if (file.error() != QFileDevice::NoError) {
        return {{},
                QStringLiteral("%1 could not be read: %2.").arg(quoted(path), file.errorString())};
    }
    return {std::move(bytes), {}};
}

QString saveFileBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) is seen here: a buffered one
    // is flushed by commit(), which then keeps a cut-off file as if all was well.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QStringLiteral("%1 could not be saved: %2. The file on disk is as it was.")
            .arg(quoted(path), file.errorString());
    }
    // Every byte must reach the file before commit() may replace the old one. Qt
    // reports a write that stops short as an unknown error, so it gets a reason of its own.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            break;
        }
        written += n;
    }
    const bool whole = written == bytes.size();
    if (!whole || !file.flush()) {
        const QString reason = whole ? QStringLiteral("only part of it could be written; the "
                                                      "disk may be full")
                                     : file.errorString();
        file.cancelWriting();
        return QStringLiteral("%1 could not be saved: %2. The file on disk is as it was.")
            .arg(quoted(path), reason);
    }
    if (!file.commit()) {
        return QStringLiteral("%1 could not be saved: %2. The file on disk is as it was.")
            .arg(quoted(path), file.errorString());
    }
    return {};
}

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace pick3
