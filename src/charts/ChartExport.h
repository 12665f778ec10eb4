#pragma once
// A chart as a file or on paper: PNG and SVG bytes of a widget as it is drawn,
// and its page on a printer that the print dialog has set up.

#include <QByteArray>
#include <QString>

class QPrinter;
class QWidget;

namespace pick3 {

QByteArray pngOf(QWidget* widget);
QByteArray svgOf(QWidget* widget, const QString& title);

// Paints `widget` on one page under `title`, as large as the page allows.
// Empty when printed, otherwise a sentence for the user.
QString printWidget(QPrinter& printer, QWidget* widget, const QString& title);

} // namespace pick3
