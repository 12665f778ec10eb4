#include "widgets/Look.h"

#include "widgets/TextLabel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QWidget>
#include <algorithm>
#include <array>

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
    return named(new TextLabel(text, parent), name);
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

QButtonGroup* addNewestChoice(QHBoxLayout* row, QWidget* parent) {
    row->addWidget(makeLabel(QStringLiteral("lblNewest"), QStringLiteral("Newest draw:"), parent));
    auto* group = new QButtonGroup(parent);
    const std::array<QString, 2> captions{QStringLiteral("&First (as results pages list them)"),
                                          QStringLiteral("&Last")};
    for (int i = 0; i < 2; ++i) {
        auto* option = named(new QRadioButton(captions[static_cast<std::size_t>(i)], parent),
                             QStringLiteral("optNewest(%1)").arg(i));
        describe(option, QString(i == 0 ? "Newest draw first" : "Newest draw last"),
                 QStringLiteral("Which end of the pasted history holds the newest draw"));
        group->addButton(option, i);
        row->addWidget(option);
    }
    group->button(0)->setChecked(true);
    return group;
}

void setUpRowsTable(QTableView* table, const QString& heading, const QString& tip) {
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setStretchLastSection(true);
    describe(table, heading, tip);
    table->horizontalHeader()->setAccessibleName(heading + QStringLiteral(": columns"));
    table->verticalHeader()->setAccessibleName(heading + QStringLiteral(": rows"));
    for (QAbstractButton* corner : table->findChildren<QAbstractButton*>()) {
        corner->setAccessibleName(heading + QStringLiteral(": select all"));
    }
}

} // namespace pick3
