// The charts module as the program loads it: nothing of Qt Charts is mapped until
// "Charts..." is pressed, then the module beside the program opens the window; a
// missing or broken module is told, not a crash.

#include "app/ChartsLoader.h"
#include "helpers/MainWindowDriver.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

using namespace pick3;
using namespace pick3::test;

namespace {

bool chartsLibraryMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Charts");
}

const QString kDraws = QStringLiteral("123\n456\n789\n012\n345\n");

} // namespace

class ChartsModuleTest : public MainWindowFixture {
    Q_OBJECT

  private Q_SLOTS:
    void loadsOnFirstOpening() {
        QVERIFY(!chartsLibraryMapped());
        QVERIFY(countInHotCold(w, kDraws));
        QVERIFY(!chartsLibraryMapped());
        doSteps(w, {"lstDigitsWheel:1234"});
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* backTest) {
            QVERIFY(inModal(backTest, QStringLiteral("cmdCharts"), [](QWidget* charts) {
                QCOMPARE(charts->objectName(), QStringLiteral("frmCharts"));
                QVERIFY(charts->findChild<QListWidget*>() != nullptr);
                QVERIFY(charts->findChild<QListWidget*>()->count() > 0);
            }));
        }));
        QVERIFY(chartsLibraryMapped());
    }

    void refusesWhatIsNoModule() {
        QTemporaryDir empty;
        QTemporaryDir broken;
        QFile junk(broken.filePath(QStringLiteral("libpick3_charts.so")));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a module") > 0);
        junk.close();
        for (const QString& folder : {empty.path(), broken.path()}) {
            QString problem;
            QVERIFY(loadChartsModule({folder}, &problem) == nullptr);
            QVERIFY2(problem.startsWith(QStringLiteral("The charts could not be opened")),
                     qPrintable(problem));
        }
    }
};

QTEST_MAIN(ChartsModuleTest)
#include "tst_chartsmodule.moc"
