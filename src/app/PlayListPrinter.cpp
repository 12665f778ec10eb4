#include "app/PlayListPrinter.h"

#include "widgets/Look.h"

#include <QDir>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

namespace pick3 {

namespace {

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

// The page: margins of half an inch (12.7 mm) with room for the tallest glyph
// of a font, the text in 11 points, the numbers larger.
constexpr double kMarginMm = 13.0;
constexpr int kTextPoints = 11;
constexpr int kTitlePoints = 14;
constexpr int kNumberPoints = 16;

QFont printFont(int points, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"), points);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

// One line of a page: a line of the heading, a group's title, or a row of numbers.
struct PageLine {
    enum class Kind { Text, Title, Bold, Group, Numbers };
    Kind kind = Kind::Text;
    QString text;
    QStringList numbers; // a row of numbers
};

// How the lines of each kind are set on `printer`.
class PageFonts {
  public:
    explicit PageFonts(QPrinter& printer) : printer_(printer) {}
    QFont font(PageLine::Kind kind) const {
        switch (kind) {
        case PageLine::Kind::Title:
            return printFont(kTitlePoints, true);
        case PageLine::Kind::Bold:
        case PageLine::Kind::Group:
            return printFont(kTextPoints, true);
        case PageLine::Kind::Numbers:
            return printFont(kNumberPoints);
        case PageLine::Kind::Text:
            break;
        }
        return printFont(kTextPoints);
    }
    QFontMetrics metrics(PageLine::Kind kind) const { return {font(kind), &printer_}; }
    int height(PageLine::Kind kind) const { return metrics(kind).lineSpacing() * 5 / 4; }
    // The width of a cell of the number grid: four digits' room.
    int cellWidth() const {
        const QFontMetrics m = metrics(PageLine::Kind::Numbers);
        return m.horizontalAdvance(QStringLiteral("0000")) + m.averageCharWidth();
    }

  private:
    QPrinter& printer_;
};

// Margins of 13 mm, or wider where the printer cannot print so near the edge.
void setMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(std::max(kMarginMm, least.left()), std::max(kMarginMm, least.top()),
                            std::max(kMarginMm, least.right()),
                            std::max(kMarginMm, least.bottom()));
    printer.setPageMargins(margins, QPageLayout::Millimeter);
}

// The heading: title, date, mode, the conditions one list a line, the count.
std::vector<PageLine> headingLines(const QString& date, const PlayListHeading& heading,
                                   const PageFonts& fonts, int width) {
    std::vector<PageLine> lines;
    const auto add = [&](PageLine::Kind kind, const QString& text) {
        for (const QString& line : wrapped(text, fonts.metrics(kind), width)) {
            lines.push_back({kind, line, {}});
        }
    };
    add(PageLine::Kind::Title, QStringLiteral("Pick3 Tallymoor: numbers to play"));
    add(PageLine::Kind::Text, QStringLiteral("Printed ") + date);
    add(PageLine::Kind::Text, QStringLiteral("Mode: ") + fromEngine(heading.mode));
    if (heading.conditions.size() == 1) {
        add(PageLine::Kind::Text,
            QStringLiteral("Conditions in force: ") + fromEngine(heading.conditions.front()));
    } else {
        add(PageLine::Kind::Text, QStringLiteral("Conditions in force:"));
        for (const std::string& line : heading.conditions) {
            add(PageLine::Kind::Text, fromEngine(line));
        }
    }
    add(PageLine::Kind::Bold, QStringLiteral("Count: ") + fromEngine(heading.count));
    return lines;
}

// Under "Singles", "Doubles" and "Triples", each that the list has, its numbers
// in rows as wide as the page.
void addNumberGroups(std::vector<PageLine>& lines, const PlayList& list, int columns) {
    static const std::array<QString, 3> titles{QStringLiteral("Singles"), QStringLiteral("Doubles"),
                                               QStringLiteral("Triples")};
    const auto groups = numbersByStructure(list);
    for (std::size_t s = 0; s < groups.size(); ++s) {
        if (groups[s].empty()) {
            continue;
        }
        lines.push_back({});
        lines.push_back({PageLine::Kind::Group, titles[s], {}});
        for (std::size_t first = 0; first < groups[s].size();
             first += static_cast<std::size_t>(columns)) {
            PageLine row{PageLine::Kind::Numbers, {}, {}};
            const std::size_t end =
                std::min(groups[s].size(), first + static_cast<std::size_t>(columns));
            for (std::size_t n = first; n < end; ++n) {
                row.numbers.append(fromEngine(groups[s][n]));
            }
            lines.push_back(std::move(row));
        }
    }
}

// Where each page starts, as an index into `lines`; a group's title never ends a page.
std::vector<std::size_t> pageStarts(const std::vector<PageLine>& lines, const PageFonts& fonts,
                                    int pageHeight) {
    std::vector<std::size_t> starts{0};
    int used = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int height = fonts.height(lines[i].kind);
        if (used > 0 && used + height > pageHeight) {
            const bool orphan = i > starts.back() + 1 && lines[i - 1].kind == PageLine::Kind::Group;
            starts.push_back(orphan ? i - 1 : i);
            used = orphan ? fonts.height(PageLine::Kind::Group) : 0;
        }
        used += height;
    }
    return starts;
}

void paintLine(QPainter& painter, const PageLine& line, const PageFonts& fonts, int y) {
    painter.setFont(fonts.font(line.kind));
    const int baseline = y + fonts.metrics(line.kind).ascent();
    if (line.kind != PageLine::Kind::Numbers) {
        painter.drawText(0, baseline, line.text);
        return;
    }
    const int cell = fonts.cellWidth();
    for (qsizetype n = 0; n < line.numbers.size(); ++n) {
        painter.drawText(static_cast<int>(n) * cell, baseline, line.numbers[n]);
    }
}

} // namespace

QString printPlayList(QPrinter& printer, const QString& date, const PlayListHeading& heading,
                      const PlayList& list) {
    printer.setDocName(QStringLiteral("Pick 3 numbers"));
    setMargins(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return cannotStart(printer);
    }
    const PageFonts fonts(printer);
    const int width = printer.width();
    std::vector<PageLine> lines = headingLines(date, heading, fonts, width);
    addNumberGroups(lines, list, std::max(1, width / fonts.cellWidth()));
    // The footer takes the last line of every page.
    const int footer = fonts.height(PageLine::Kind::Text);
    const std::vector<std::size_t> starts = pageStarts(lines, fonts, printer.height() - footer);
    const auto pages = static_cast<int>(starts.size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return printerNamed(printer) + QStringLiteral(" stopped after page %1.").arg(page);
        }
        const std::size_t end =
            page + 1 < pages ? starts[static_cast<std::size_t>(page) + 1] : lines.size();
        int y = 0;
        for (std::size_t i = starts[static_cast<std::size_t>(page)]; i < end; ++i) {
            paintLine(painter, lines[i], fonts, y);
            y += fonts.height(lines[i].kind);
        }
        painter.setFont(fonts.font(PageLine::Kind::Text));
        painter.drawText(QRect(0, printer.height() - footer, width, footer), Qt::AlignCenter,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return printerNamed(printer) + QStringLiteral(" could not finish printing.");
    }
    return {};
}

} // namespace pick3
