#pragma once
// The context menus of the main window's lists: one menu tree, mnuAction, with
// a branch of two commands (tick every item, untick every item) per list. A
// right-click on a list pops up only that list's branch.

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
    std::function<CheckList*(ListId)> listOf_;
    QMenu* action_;
    std::map<ListId, QMenu*> branches_;
};

} // namespace pick3
