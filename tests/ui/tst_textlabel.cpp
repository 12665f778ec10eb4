// A label that remembers its heights answers every width as a plain QLabel in
// the same state does, before and after each change of what goes into the
// answer, and asked twice.

#include "widgets/TextLabel.h"

#include <QLineEdit>
#include <QTest>
#include <functional>

using namespace pick3;

namespace {

using Change = std::function<void(QLabel&)>;

// No more widths than the label keeps, so that the second round is answered from memory.
const QList<int> kWidths{-1, 0, 40, 80, 116, 234, 500, 2000};

// The heights `label` gives, each width asked twice; a fault names the width.
QString heightsDiffer(const QLabel& label, const QLabel& plain) {
    for (int round = 0; round < 2; ++round) {
        for (int width : kWidths) {
            const int remembered = label.heightForWidth(width);
            const int worked = plain.heightForWidth(width);
            if (remembered != worked) {
                return QStringLiteral("width %1, round %2: %3 against %4")
                    .arg(width).arg(round).arg(remembered).arg(worked);
            }
        }
    }
    return {};
}

} // namespace

class TextLabelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void answersAsQLabelThroughEveryChange() {
        const QString words = QStringLiteral(
            "Use the right mousebutton to click on the lists to be able to select or de-select");
        QLineEdit buddy;
        const QList<QPair<const char*, Change>> changes{
            {"text", [&](QLabel& l) { l.setText(words); }},
            {"wrapped", [](QLabel& l) { l.setWordWrap(true); }},
            {"shorter text", [](QLabel& l) { l.setText(QStringLiteral("Two words")); }},
            {"longer text", [&](QLabel& l) { l.setText(words + words); }},
            {"bold", [](QLabel& l) { QFont f = l.font(); f.setBold(true); l.setFont(f); }},
            {"larger", [](QLabel& l) { QFont f = l.font(); f.setPointSize(17); l.setFont(f); }},
            {"margin", [](QLabel& l) { l.setMargin(7); }},
            {"indent", [](QLabel& l) { l.setIndent(13); }},
            {"no indent", [](QLabel& l) { l.setIndent(-1); }},
            {"frame", [](QLabel& l) { l.setFrameShape(QFrame::Box); l.setLineWidth(3); }},
            {"contents margins", [](QLabel& l) { l.setContentsMargins(3, 5, 11, 2); }},
            {"lines", [](QLabel& l) { l.setText(QStringLiteral("one\ntwo three\tfour five")); }},
            {"right, bottom", [](QLabel& l) { l.setAlignment(Qt::AlignRight | Qt::AlignBottom); }},
            {"centred", [](QLabel& l) { l.setAlignment(Qt::AlignCenter); }},
            {"long again", [&](QLabel& l) { l.setText(words + words); }},
            {"widest", [](QLabel& l) { l.setMaximumWidth(90); }},
            {"narrowest", [](QLabel& l) { l.setMinimumWidth(150); }},
            {"right to left", [](QLabel& l) { l.setLayoutDirection(Qt::RightToLeft); }},
            {"mnemonic", [](QLabel& l) { l.setText(QStringLiteral("Sho&rtsum and &&Co")); }},
            {"buddy", [&](QLabel& l) { l.setBuddy(&buddy); }},
            {"rich text", [](QLabel& l) { l.setText(QStringLiteral("<b>Two</b> words")); }},
            {"plain again", [&](QLabel& l) { l.setTextFormat(Qt::PlainText); l.setText(words); }},
            {"selectable", [](QLabel& l) { l.setTextInteractionFlags(Qt::TextSelectableByMouse); }},
            {"unwrapped", [](QLabel& l) { l.setWordWrap(false); }},
            {"empty", [](QLabel& l) { l.clear(); }},
        };
        TextLabel label(QString{});
        QLabel plain;
        QVERIFY2(heightsDiffer(label, plain).isEmpty(), "an empty label");
        for (const auto& [what, change] : changes) {
            change(label);
            change(plain);
            const QString fault = heightsDiffer(label, plain);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(what, fault)));
        }
    }
};

QTEST_MAIN(TextLabelTest)
#include "tst_textlabel.moc"
