#include "charts/ChartExport.h"

#include <QBuffer>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QPrinter>
#include <QSvgGenerator>
#include <QWidget>

namespace pick3 {

QByteArray pngOf(QWidget* widget) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    widget->grab().save(&buffer, "PNG");
    return bytes;
}

QByteArray svgOf(QWidget* widget, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(widget->size());
    svg.setViewBox(widget->rect());
    svg.setTitle(title);
    QPainter painter(&svg);
    widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    return bytes;
}

QString printWidget(QPrinter& printer, QWidget* widget, const QString& title) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        return QStringLiteral("The chart could not be printed on %1.").arg(where);
    }
    const QRect page = painter.viewport();
    QFont font = painter.font();
    font.setPointSize(14);
    font.setBold(true);
    painter.setFont(font);
    const int heading = painter.fontMetrics().lineSpacing() * 2;
    painter.drawText(QRect(0, 0, page.width(), heading), Qt::AlignLeft | Qt::AlignTop, title);
    const double scale =
        std::min(page.width() / static_cast<double>(widget->width()),
                 (page.height() - heading) / static_cast<double>(widget->height()));
    // Straight onto a printer a widget is drawn as one bitmap; through a
    // picture its lines and texts stay lines and texts. A picture plays at the
    // printer's resolution, so it is scaled back to the widget's own.
    QPicture picture;
    widget->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    const double replay = scale * picture.logicalDpiX() / printer.logicalDpiX();
    painter.translate(0, heading);
    painter.scale(replay, replay);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return QString();
}

} // namespace pick3
