#pragma once
// A chart as a file or on paper: PNG and SVG bytes of a widget as it is drawn,
// and printing through the print dialog (or, in the tests, a replacement that
// sets the printer up without one).

#include <QByteArray>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace pick3 {

QByteArray pngOf(QWidget* widget);
QByteArray svgOf(QWidget* widget, const QString& title);

// Sets `printer` up as the user chooses; false for Cancel.
using ChartPrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool setUpChartPrinter(QPrinter& printer, QWidget* parent);
// Replaces the print dialog (tests print to a PDF file); an empty setup brings the dialog back.
void setChartPrinterSetup(ChartPrinterSetup setup);
// Paints `widget` on one page under `title`, as large as the page allows.
// Empty when printed, otherwise a sentence for the user.
QString printWidget(QPrinter& printer, QWidget* widget, const QString& title);

} // namespace pick3
