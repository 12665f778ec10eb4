#pragma once
// The charts module's entry point: opens the charts window of `source` over `over`
// and returns when it is closed. The program finds it by name in the loaded module;
// a program with the charts code linked in may call it directly.

#include "charts/ChartDraws.h"

class QWidget;

extern "C" void pick3_open_charts(pick3::ChartSource& source, QWidget* over);
