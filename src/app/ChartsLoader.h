#pragma once
// The charts window lives in a module of its own (with Qt Charts and Qt SVG), loaded
// the first time the window is asked for, so that start-up never maps those libraries.

#include "charts/ChartDraws.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace pick3 {

// Opens the charts window of `source` over `over` and returns when it is closed.
using ChartsOpener = void (*)(ChartSource& source, QWidget* over);

// Loads the module from the first of `folders` that holds one and gives its opener;
// null with the reason in `problem` when none loads.
ChartsOpener loadChartsModule(const QStringList& folders, QString* problem);

// The opener in force: the one set, else the module's, loaded once. Null with the
// reason in `problem` when the module cannot be loaded.
ChartsOpener chartsOpener(QString* problem);
// For a program that has the charts code linked in (tests, benchmarks): no module is loaded.
void setChartsOpener(ChartsOpener open);

} // namespace pick3
