// The window tests have the printing code linked in: Print goes to it without the module,
// and the tests' replacement of the print dialog is the one the printouts ask.
#include "widgets/PrintAccess.h"

namespace {
[[maybe_unused]] const bool linked = (pick3::setPrinting(pick3_print_api()), true);
} // namespace
