#include "app/SetFilePanel.h"

#include "widgets/AppInfo.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace pick3 {

namespace {

const QString kFilter = QStringLiteral("Filter sets (*.p3set);;All files (*)");

} // namespace

SetFilePanel::SetFilePanel(std::function<FilterSet()> current,
                           std::function<void(const FilterSet&)> apply, QWidget* window)
    : QWidget(window), current_(std::move(current)), apply_(std::move(apply)),
      open_(named(new QPushButton(QStringLiteral("&Open set..."), this),
                  QStringLiteral("cmdOpenSet"))),
      save_(named(new QPushButton(QStringLiteral("Save s&et..."), this),
                  QStringLiteral("cmdSaveSet"))),
      name_(makeLabel(QStringLiteral("lblFilterSet"), QStringLiteral("No set opened"), this)) {
    setObjectName(QStringLiteral("setFilePanel"));
    describe(open_, QStringLiteral("Open set"),
             QStringLiteral("Puts the settings of a filter set file into every list (Ctrl+O; "
                            "a set file dropped on the window opens too)"));
    describe(save_, QStringLiteral("Save set"),
             QStringLiteral("Saves every setting that \"Create numbers\" reads to a filter set "
                            "file (Ctrl+S)"));
    describe(name_, QStringLiteral("Filter set"),
             QStringLiteral("The set last opened or saved; * when a setting changed since"));
    for (QPushButton* button : {open_, save_}) {
        button->setAutoDefault(false);
        QPalette pal = button->palette(); // as the other commands of the column
        pal.setColor(QPalette::Button, listColour(ListColour::LightBlue));
        button->setPalette(pal);
    }
    name_->setTextInteractionFlags(Qt::NoTextInteraction);
    connect(open_, &QPushButton::clicked, this, &SetFilePanel::openSet);
    connect(save_, &QPushButton::clicked, this, &SetFilePanel::saveSet);
    for (const auto& [key, action] : {std::pair{Qt::CTRL | Qt::Key_O, &SetFilePanel::openSet},
                                      std::pair{Qt::CTRL | Qt::Key_S, &SetFilePanel::saveSet}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    // Drops reach the window wherever no control takes them itself (the results box takes text).
    window->setAcceptDrops(true);
    window->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(save_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addLayout(buttons);
    column->addWidget(name_);
}

std::vector<QWidget*> SetFilePanel::tabStops() const {
    return {open_, save_};
}

void SetFilePanel::openSet() {
    const QString path =
        chooseFile(window(), {FileQuestion::Kind::Open,
                              QStringLiteral("Open set"),
                              path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath(),
                              kFilter,
                              {}});
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void SetFilePanel::openFile(const QString& path) {
    const FileBytes file = readFileBytes(path, static_cast<qint64>(kFilterSetMaxBytes));
    QString problem = file.error;
    if (file.ok()) {
        const Result<FilterSet> set = readFilterSet(file.bytes);
        if (set.ok()) {
            apply_(*set);
            setCurrentFile(path);
            return;
        }
        problem = QStringLiteral("\"%1\" was not opened. %2")
                      .arg(QDir::toNativeSeparators(path), fromEngine(set.refusal()));
    }
    showMessage(window(), sAppTitle(), problem + QStringLiteral("\nEvery setting is as it was."));
}

void SetFilePanel::saveSet() {
    const QString proposed =
        path_.isEmpty() ? QDir::home().filePath(QStringLiteral("filters.p3set")) : path_;
    const QString path = chooseFile(window(), {FileQuestion::Kind::Save, QStringLiteral("Save set"),
                                               proposed, kFilter, QStringLiteral("p3set")});
    if (path.isEmpty()) {
        return;
    }
    const std::string text = writeFilterSet(current_());
    const QString error =
        saveFileBytes(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!error.isEmpty()) {
        showMessage(window(), sAppTitle(), error);
        return;
    }
    setCurrentFile(path);
}

void SetFilePanel::setCurrentFile(const QString& path) {
    path_ = path;
    inForce_ = current_();
    name_->setToolTip(QDir::toNativeSeparators(path));
    followSettings();
}

void SetFilePanel::followSettings() {
    if (!inForce_) {
        return;
    }
    const bool changed = current_() != *inForce_;
    name_->setText(fileNameOf(path_) + (changed ? QStringLiteral(" *") : QString()));
}

bool SetFilePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window()) {
        if (event->type() == QEvent::DragEnter) {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (!droppedFile(drag->mimeData()).isEmpty()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedFile(drop->mimeData());
            if (!path.isEmpty()) {
                drop->acceptProposedAction();
                // Opened once the drop is over, so its message box does not hold up the source.
                QMetaObject::invokeMethod(
                    this, [this, path] { openFile(path); }, Qt::QueuedConnection);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pick3
