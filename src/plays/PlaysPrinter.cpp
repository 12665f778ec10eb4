#include "plays/PlaysPrinter.h"

#include "plays/PlaysShared.h"
#include "widgets/Look.h"

#include <QPrinter>
#include <QTextDocument>

namespace pick3 {

namespace {

QString cells(const QStringList& texts, const char* tag) {
    QString row = QStringLiteral("<tr>");
    for (const QString& text : texts) {
        row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped());
    }
    return row + QStringLiteral("</tr>");
}

QString prizeText(const CheckedTicket& entry) {
    if (entry.standing->enteredAfterDraw) {
        return fromEngine(kEnteredAfterDraw);
    }
    return entry.check ? dollars(entry.check->wonCents) : QStringLiteral("waiting for the draw");
}

} // namespace

QString printYearOfPlays(QPrinter& printer, const std::vector<CheckedTicket>& tickets, int year) {
    QString html = QStringLiteral("<h2>My plays of %1</h2><table cellpadding=\"3\">").arg(year);
    html += cells({QStringLiteral("Date"), QStringLiteral("Draw"), QStringLiteral("Ticket"),
                   QStringLiteral("Play"), QStringLiteral("Stake"), QStringLiteral("Prize"),
                   QStringLiteral("Claimed")},
                  "th");
    std::vector<CheckedTicket> ofYear;
    for (const CheckedTicket& entry : tickets) {
        if (entry.ticket.drawDate.year != year || !entry.standing) {
            continue;
        }
        ofYear.push_back(entry);
        html += cells(
            {fromEngine(entry.ticket.drawDate.text()), fromEngine(entry.standing->drawTime),
             fromEngine(ticketNumberText(entry.ticket.digits)),
             fromEngine(entry.standing->playName), dollars(entry.standing->costCents()),
             prizeText(entry), entry.ticket.claimed ? QStringLiteral("yes") : QStringLiteral("no")},
            "td");
    }
    const PlayTotals totals = playTotals(ofYear);
    html += QStringLiteral("</table><p>Staked %1, won %2, net %3; waiting for the draw %4.</p>")
                .arg(dollars(totals.all.stakedCents), dollars(totals.all.wonCents),
                     dollars(totals.all.netCents()), dollars(totals.waiting.stakedCents));
    QTextDocument document;
    document.setHtml(html);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        return QStringLiteral("The plays could not be printed on %1.")
            .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                    : printer.outputFileName());
    }
    return {};
}

} // namespace pick3
