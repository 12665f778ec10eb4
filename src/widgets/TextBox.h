#pragma once
// The program's editable text boxes. Qt 6.4 crashes when it is asked to paste
// a clipboard that holds nothing at all, as the clipboard does after login or
// once the program that filled it has quit: such a paste does nothing here.

#include <QMimeData>
#include <QPlainTextEdit>

namespace pick3 {

class TextBox : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

    // The whole text replaced as one edit (Ctrl+Z brings the old text back), the
    // cursor at the start. Tens of thousands of lines go in at once: the document
    // holds them a few dozen to a paragraph, joined by line separators, which
    // read back as line breaks, so the box's text is the text given, line for line.
    void replaceAll(const QString& text);

  protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source != nullptr && !source->formats().isEmpty()) {
            QPlainTextEdit::insertFromMimeData(source);
        }
    }
};

// `text` with its line breaks (CR LF, LF or CR) turned into line separators but at
// every `linesPerParagraph`th, which becomes a line feed.
QString inParagraphs(const QString& text, int linesPerParagraph);

} // namespace pick3
