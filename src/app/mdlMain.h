#pragma once
// Start-up: builds the version text, loads and shows the main window.

namespace pick3 {

class frmPick3ZozevidAru;

// Loads the main window (its load runs to the end), shows it and returns. While
// a main window exists it is only shown again; a test deletes it to start afresh.
void Main();

// The main window's single instance, once Main has loaded it.
frmPick3ZozevidAru* mainWindow();

} // namespace pick3
