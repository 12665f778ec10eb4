// The window tests have the charts code linked in: "Charts..." opens it without the module.
#include "app/ChartsLoader.h"
#include "charts/ChartsModule.h"

namespace {
[[maybe_unused]] const bool linked = (pick3::setChartsOpener(&pick3_open_charts), true);
} // namespace
