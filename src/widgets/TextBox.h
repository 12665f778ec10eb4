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

  protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source != nullptr && !source->formats().isEmpty()) {
            QPlainTextEdit::insertFromMimeData(source);
        }
    }
};

} // namespace pick3
