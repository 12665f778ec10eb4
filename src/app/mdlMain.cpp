#include "app/mdlMain.h"

#include "app/WakeUpsHeld.h"
#include "app/frmPick3ZozevidAru.h"
#include "widgets/AppInfo.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QIconEngine>
#include <QPointer>
#include <array>

namespace pick3 {

namespace {

QPointer<frmPick3ZozevidAru>& instance() {
    static QPointer<frmPick3ZozevidAru> window;
    return window;
}

// The program's icon, in the sizes its files hold, read from them only when a
// window first draws it: building a QIcon from files decodes every one of them
// at once, and a window that never shows the icon (no title bar, no task bar)
// never needs them.
class IconFromFiles : public QIconEngine {
  public:
    IconFromFiles() = default;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const int side : kSides) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("Pick3IconFromFiles"); }
    QIconEngine* clone() const override { return new IconFromFiles(*this); }

  private:
    IconFromFiles(const IconFromFiles&) = default;
    static constexpr std::array<int, 6> kSides{16, 32, 48, 64, 128, 256};
    const QIcon& loaded() {
        if (icon_.isNull()) {
            for (const int side : kSides) {
                icon_.addFile(
                    QStringLiteral(":/icons/example.quorvel.Pick3Tallymoor-%1.png").arg(side),
                    QSize(side, side));
            }
        }
        return icon_;
    }
    QIcon icon_;
};

// The icon of every window, and the desktop entry that a desktop ties the running program to.
void useOwnIcon() {
    QApplication::setWindowIcon(QIcon(new IconFromFiles));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvel.Pick3Tallymoor"));
}

// Tahoma where installed; otherwise the system's own sans-serif stays.
void useTahoma() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        QFont font = QApplication::font();
        font.setFamily(QStringLiteral("Tahoma"));
        QApplication::setFont(font);
    }
}

} // namespace

void Main() {
    // Building and showing the window posts hundreds of events; this thread is busy, not
    // waiting in its loop, and sees them on its next pass.
    const WakeUpsHeld building;
    (void)sVersion();
    if (instance().isNull()) {
        useTahoma();
        useOwnIcon();
        instance() = new frmPick3ZozevidAru; // deletes itself when closed
    }
    instance()->show();
}

frmPick3ZozevidAru* mainWindow() {
    return instance().data();
}

} // namespace pick3
