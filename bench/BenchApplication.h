#pragma once
// The one QApplication that the window benchmarks share: made by whichever
// benchmark runs first, kept by its caller for the length of its run.

#include <QApplication>

#include <memory>

namespace pick3 {

inline std::unique_ptr<QApplication> ensureApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 1;
    static char name[] = "pick3_bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace pick3
