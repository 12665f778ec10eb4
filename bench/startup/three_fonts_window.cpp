// The floor for any window that shows the program's texts: a bare window with one
// label in each of the program's three fonts (the text, bold, the banner's larger
// bold), the font list read first as the program reads it to look for Tahoma.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    (void)QFontDatabase::families().contains(QStringLiteral("Tahoma"));
    QWidget window;
    auto* column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Pick the digits you like")));
    auto* heading = new QLabel(QStringLiteral("Close"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    column->addWidget(heading);
    auto* title = new QLabel(QStringLiteral("Pick3 Tallymoor"));
    QFont titleFont = bold;
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    title->setFont(titleFont);
    column->addWidget(title);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
