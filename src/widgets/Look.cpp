#include "widgets/Look.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pick3 {

QColor listColour(ListColour colour) {
    return colour == ListColour::LightBlue ? QColor(0xC0, 0xC0, 0xFF) : QColor(0xFF, 0xC0, 0x80);
}

namespace {
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(role, colour);
    widget->setPalette(pal);
}
} // namespace

void setBaseColour(QWidget* widget, const QColor& colour) {
    setColour(widget, QPalette::Base, colour);
}

void setBackground(QWidget* widget, const QColor& colour) {
    setColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    setColour(widget, QPalette::WindowText, colour);
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

QLabel* makeHeading(const QString& name, const QString& text, QWidget* parent) {
    QLabel* label = makeLabel(name, text, parent);
    makeBold(label);
    return label;
}

void makeBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void describe(QWidget* widget, const QString& name, const QString& tooltip) {
    if (!name.isEmpty()) {
        widget->setAccessibleName(name);
    }
    if (!tooltip.isEmpty()) {
        widget->setToolTip(tooltip);
        widget->setAccessibleDescription(tooltip);
    }
}

int closeSquareSide(const QFont& font) {
    return std::max(44, QFontMetrics(font).horizontalAdvance(QStringLiteral("Close")) + 18);
}

QString fromEngine(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string toEngine(const QString& text) {
    return text.toStdString();
}

QStringList itemsOf(const ListEntry& entry) {
    QStringList items;
    for (const std::string_view item : entry.items) {
        items << fromEngine(item);
    }
    return items;
}

void resizeToFit(QWidget* window, QSize wanted) {
    wanted.setHeight(std::min(wanted.height(), kMostWindowHeight));
    if (const QScreen* screen = window->screen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    }
    window->resize(wanted);
}

} // namespace pick3
