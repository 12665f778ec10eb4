#pragma once
// The game library of the window benchmarks: a data folder of their own (a temporary
// folder, removed at the end of the run) holding one game of 60,000 draws, made once.

namespace pick3 {

// Points the data folder at the benchmarks' own, makes the library there the first time,
// and puts its file in place (present) or moves it aside (absent). The library is
// closed, so that the next window that lists games opens the file afresh.
void useBenchLibrary(bool present);

} // namespace pick3
