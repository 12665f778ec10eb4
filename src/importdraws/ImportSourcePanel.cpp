#include "importdraws/ImportSourcePanel.h"

#include "widgets/FileAccess.h"
#include "widgets/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pick3 {

ImportSourcePanel::ImportSourcePanel(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(
        makeLabel(QStringLiteral("lblReadFrom"), QStringLiteral("Read the draws from:"), this));
    const struct {
        const char* name;
        const char* caption;
        const char* accessible;
        const char* tooltip;
        void (ImportSourcePanel::*chosen)();
    } buttons[] = {
        {"cmdImportFile", "&File...", "File",
         "A results page saved as text, or a CSV or TSV download", &ImportSourcePanel::chooseFile},
        {"cmdImportClipboard", "Clip&board", "Clipboard",
         "A results page or a table copied from a web page or a spreadsheet",
         &ImportSourcePanel::clipboardChosen},
        {"cmdImportDrawBox", "Draw bo&x", "Draw box", "What the draw box holds now",
         &ImportSourcePanel::drawBoxChosen},
    };
    for (const auto& b : buttons) {
        auto* button = named(new QPushButton(QString::fromLatin1(b.caption), this),
                             QString::fromLatin1(b.name));
        describe(button, QString::fromLatin1(b.accessible), QString::fromLatin1(b.tooltip));
        connect(button, &QPushButton::clicked, this, b.chosen);
        row->addWidget(button);
        cmdFile_ = cmdFile_ ? cmdFile_ : button;
    }
    lblSource_ = makeLabel(QStringLiteral("lblSource"), QString(), this);
    row->addWidget(lblSource_, 1);
}

void ImportSourcePanel::setSource(const QString& source) {
    lblSource_->setText(source.isEmpty() ? QString() : QStringLiteral("Read from %1.").arg(source));
}

void ImportSourcePanel::chooseFile() {
    const QString path =
        pick3::chooseFile(window(), {FileQuestion::Kind::Open,
                                     QStringLiteral("Import draws"),
                                     QString(),
                                     QStringLiteral("Draw histories (*.csv *.txt *.tsv);;CSV files "
                                                    "(*.csv);;Text files (*.txt);;Tab-separated "
                                                    "files (*.tsv);;All files (*)"),
                                     {}});
    if (!path.isEmpty()) {
        Q_EMIT fileChosen(path);
    }
}

} // namespace pick3
