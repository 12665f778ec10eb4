#include "app/PlayListPrinter.h"

#include "widgets/Look.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace pick3 {

namespace {

PrinterSetup& replacement() {
    static PrinterSetup instance;
    return instance;
}

// The words of `text` in lines no wider than `width`; a word wider than a line stands alone.
QStringList wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) {
        lines.append(line);
    }
    return lines;
}

QString printerNamed(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return QStringLiteral("The PDF file \"%1\"")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    }
    return QStringLiteral("The printer \"%1\"").arg(printer.printerName());
}

// Why printing could not start: a file that cannot be written, or a printer that is gone.
QString cannotStart(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return printerNamed(printer) + QStringLiteral(" could not be written. Check that its "
                                                      "folder exists and may be written to, or "
                                                      "choose another file.");
    }
    return printerNamed(printer) + QStringLiteral(" could not start printing. Check that it is "
                                                  "there and ready, or choose another one.");
}

// One line of a page: a line of the heading, or a row of the number grid.
struct PageLine {
    QString text;
    bool bold = false;
    int firstNumber = -1; // a grid row: the index of its first number
};

} // namespace

bool setUpPrinter(QPrinter& printer, QWidget* parent) {
    if (replacement()) {
        return replacement()(printer, parent);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print the numbers"));
    return dialog.exec() == QDialog::Accepted;
}

void setPrinterSetup(PrinterSetup setup) {
    replacement() = std::move(setup);
}

QString printPlayList(QPrinter& printer, const QString& date, const PlayListHeading& heading,
                      const PlayList& list) {
    printer.setDocName(QStringLiteral("Pick 3 numbers"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return cannotStart(printer);
    }
    QFont font(QStringLiteral("Tahoma"), 10);
    font.setStyleHint(QFont::SansSerif);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int width = printer.width();
    const int lineHeight = metrics.lineSpacing() * 4 / 3;

    // The heading, a blank line, then the grid: as many columns as the page is wide.
    std::vector<PageLine> lines;
    const auto add = [&](const QString& text, bool bold = false) {
        for (const QString& line : wrapped(text, metrics, width)) {
            lines.push_back({line, bold});
        }
    };
    add(QStringLiteral("Pick3 Tallymoor: numbers to play"), true);
    add(QStringLiteral("Printed ") + date);
    add(QStringLiteral("Mode: ") + fromEngine(heading.mode));
    QStringList conditions;
    for (const std::string& name : heading.conditions) {
        conditions.append(fromEngine(name));
    }
    add(QStringLiteral("Conditions in force: ") + conditions.join(QStringLiteral("; ")));
    add(QStringLiteral("Count: ") + fromEngine(heading.count), true);
    lines.push_back({});
    const int cellWidth =
        metrics.horizontalAdvance(QStringLiteral("0000")) + metrics.averageCharWidth();
    const int columns = std::max(1, width / cellWidth);
    const auto count = static_cast<int>(list.numbers.size());
    for (int first = 0; first < count; first += columns) {
        lines.push_back({{}, false, first});
    }

    const int perPage = std::max(1, (printer.height() - 2 * lineHeight) / lineHeight);
    const auto total = static_cast<int>(lines.size());
    const int pages = (total + perPage - 1) / perPage;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return printerNamed(printer) + QStringLiteral(" stopped after page %1.").arg(page);
        }
        for (int i = page * perPage; i < std::min(total, (page + 1) * perPage); ++i) {
            const PageLine& line = lines[static_cast<std::size_t>(i)];
            const int y = (i - page * perPage) * lineHeight + metrics.ascent();
            font.setBold(line.bold);
            painter.setFont(font);
            if (line.firstNumber < 0) {
                painter.drawText(0, y, line.text);
                continue;
            }
            for (int n = line.firstNumber; n < std::min(count, line.firstNumber + columns); ++n) {
                painter.drawText((n - line.firstNumber) * cellWidth, y,
                                 fromEngine(list.numbers[static_cast<std::size_t>(n)].written));
            }
        }
        font.setBold(false);
        painter.setFont(font);
        painter.drawText(QRect(0, printer.height() - lineHeight, width, lineHeight),
                         Qt::AlignCenter, QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return printerNamed(printer) + QStringLiteral(" could not finish printing.");
    }
    return {};
}

} // namespace pick3
