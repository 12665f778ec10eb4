#include "widgets/TextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>

namespace pick3 {

QString inParagraphs(const QString& text, int linesPerParagraph) {
    QString joined;
    joined.reserve(text.size());
    const QChar* at = text.constData();
    const QChar* const end = at + text.size();
    int lines = 0;
    for (; at != end; ++at) {
        if (*at != u'\r' && *at != u'\n') {
            joined += *at;
            continue;
        }
        if (*at == u'\r' && at + 1 != end && at[1] == u'\n') {
            ++at;
        }
        if (++lines == linesPerParagraph) {
            lines = 0;
            joined += u'\n';
        } else {
            joined += QChar(QChar::LineSeparator);
        }
    }
    return joined;
}

void TextBox::replaceAll(const QString& text) {
    // A paragraph costs Qt's document about two microseconds to make, a line
    // inside one nothing; 32 lines a paragraph keep an edit's new layout small.
    constexpr int kLinesPerParagraph = 32;
    QTextDocument* doc = document();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(inParagraphs(text, kLinesPerParagraph));
    cursor.endEditBlock();
    // Until a paragraph is laid out the box counts it as one line: the true counts
    // keep the scroll bar's range right from the start.
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        block.setLineCount(static_cast<int>(block.text().count(QChar::LineSeparator)) + 1);
    }
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    Q_EMIT layout->documentSizeChanged(layout->documentSize());
    moveCursor(QTextCursor::Start);
}

} // namespace pick3
