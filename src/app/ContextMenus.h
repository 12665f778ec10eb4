#pragma once
// The context menus of the main window's lists: one menu tree, mnuAction, with
// a branch of two commands (tick every item, untick every item) per list. A
// right-click on a list pops up only that list's branch. The tree holds its
// eighteen entries from the start; their menus are made when one is first
// wanted.

#include "engine/numbers/Catalogue.h"

#include <QMenu>
#include <QObject>
#include <functional>
#include <map>

namespace pick3 {

class CheckList;

class ContextMenus : public QObject {
    Q_OBJECT
  public:
    // `listOf` gives the window's list for an id. The menus are children of `window`.
    ContextMenus(std::function<CheckList*(ListId)> listOf, QWidget* window);

    // Whether a right-click on `list` offers a branch at all.
    static bool hasBranch(ListId list);

    // Lets a right-click (or the menu key) on every list that has a branch open it.
    void attachLists();

    // sbShowListMenu: shows the branch of `list` alone and pops mnuAction up at
    // `globalPos`. A list without a branch, or one the user cannot reach
    // (hidden or disabled), gets no menu.
    void sbShowListMenu(ListId list, const QPoint& globalPos);

  private:
    // The branches' menus and commands, made the first time a menu is shown.
    void makeBranches();

    std::function<CheckList*(ListId)> listOf_;
    QMenu* action_;
    std::map<ListId, QAction*> branches_; // the tree's entry for each list
};

} // namespace pick3
