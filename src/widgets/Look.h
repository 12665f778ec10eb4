#pragma once
// The program's look in one place: its colours, the backgrounds of lists and
// frames, bold headings, the red Close square, the names a screen reader
// announces, and the texts that pass between the engine and the widgets.

#include "engine/numbers/Catalogue.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QButtonGroup;
class QFont;
class QHBoxLayout;
class QLabel;
class QTableView;
class QWidget;

namespace pick3 {

// Light blue for boxed lists and those of both modes, light orange for straight ones.
QColor listColour(ListColour colour);
inline const QColor kLightYellow{0xFF, 0xFF, 0x80}; // the must-include list and the results box
inline const QColor kStatusBlue{0x00, 0x00, 0xFF};
inline const QColor kStatusRed{0xFF, 0x00, 0x00};

// The background of a list or a text box, of a frame or a group, and the
// colour of a label's text.
void setBaseColour(QWidget* widget, const QColor& colour);
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);

// "Newest draw: First / Last" added to `row`, the first checked: which end of a
// pasted history holds the newest draw. The group's ids are 0 (first) and 1.
QButtonGroup* addNewestChoice(QHBoxLayout* row, QWidget* parent);

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}
QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent);
// A label in the bold font of the program's headings.
QLabel* makeHeading(const QString& name, const QString& text, QWidget* parent);
void makeBold(QWidget* widget);

// `name` (a caption or heading) is what a screen reader announces; a tooltip,
// when given, is shown and announced as the description too.
void describe(QWidget* widget, const QString& name, const QString& tooltip = QString());
// A read-only table chosen a row at a time, its last column to the edge, Tab leaving it;
// named for a screen reader with its headers and corner button.
void setUpRowsTable(QTableView* table, const QString& heading, const QString& tip);

// The most a window may be high inside its frame: a 1280 x 720 screen less a
// title bar and a desktop's panel.
inline constexpr int kMostWindowHeight = 640;
// Resizes `window` to `wanted`, but no higher than kMostWindowHeight and no
// larger than its screen's free area; what does not fit then scrolls inside it.
void resizeToFit(QWidget* window, QSize wanted);

// The side of the square that the red "&Close" covers in a window's top-left corner.
int closeSquareSide(const QFont& font);

// Engine texts are UTF-8 and end lines with CR LF; a text box shows plain line breaks.
QString fromEngine(std::string_view text);
std::string toEngine(const QString& text);
// A catalogue list's items, in order.
QStringList itemsOf(const ListEntry& entry);

} // namespace pick3
