#pragma once
// What a screen reader is told of a tick list: a list whose items are each a
// checkable list item, named by its text, ticked or not, and flipped by its
// toggle action as by Space.

namespace pick3 {

// Once for the program; every tick list (and the pair grids) answers through it.
void installCheckListAccessibility();

} // namespace pick3
