#include "charts/ChartsModule.h"

#include "charts/frmCharts.h"

#include <QPointer>

extern "C" Q_DECL_EXPORT void pick3_open_charts(pick3::ChartSource& source, QWidget* over) {
    QPointer<pick3::frmCharts> window = new pick3::frmCharts(std::move(source), over);
    window->exec();
    delete window.data(); // every opening starts afresh
}
