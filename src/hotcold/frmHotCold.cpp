#include "hotcold/frmHotCold.h"

namespace pick3 {

// Temporary minimal window while the counter is being built.
struct frmHotCold::Ui {};

frmHotCold::frmHotCold(MainWindowLink link, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui>()), link_(std::move(link)) {
    setObjectName(QStringLiteral("frmHotCold"));
    setWindowTitle(QStringLiteral("HotCold-counter & wheel"));
}

frmHotCold::~frmHotCold() = default;

bool frmHotCold::settingsSaved() const { return false; }
void frmHotCold::enablePatternListFor(DigitMode) {}
void frmHotCold::sbClearP3HCSettings() {}
HotDigits frmHotCold::hotDigits() const { return {}; }

} // namespace pick3
