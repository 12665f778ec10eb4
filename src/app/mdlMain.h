#pragma once
// Start-up: builds the version text, loads and shows the main window.

namespace pick3 {

class frmPick3ZozevidAru;

// Loads the main window (its load runs to the end), shows it and returns.
void Main();

// The main window's single instance, once Main has loaded it.
frmPick3ZozevidAru* mainWindow();

} // namespace pick3
