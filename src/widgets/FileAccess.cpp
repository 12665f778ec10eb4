#include "widgets/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>
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

QString chooseFile(QWidget* parent, const FileQuestion& question) {
    if (chooser()) {
        return chooser()(question);
    }
    if (question.kind == FileQuestion::Kind::Open) {
        return QFileDialog::getOpenFileName(parent, question.caption, question.proposedName,
                                            question.filter);
    }
    QFileDialog dialog(parent, question.caption, question.proposedName, question.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().constFirst()
               : QString();
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
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
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
