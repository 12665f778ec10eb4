#pragma once
// The filter lists of the main window under "Filtersettings (select to
// exclude)", the consecutive-digit options, the three structure check boxes and
// the out-of-sight hot/cold store lists.

#include "engine/numbers/Commands.h"

#include <QWidget>
#include <array>
#include <initializer_list>
#include <map>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;

namespace pick3 {

class CheckList;

class FilterPanel : public QWidget {
    Q_OBJECT
  public:
    explicit FilterPanel(QWidget* parent);

    // The filter and hot/cold lists; null for the digit lists, which live elsewhere.
    CheckList* list(ListId id) const { return lists_[static_cast<std::size_t>(id)]; }
    // The structure boxes, the consecutive option and "0 and 9", as a command reads them.
    void readInto(FilterChoices& input) const;
    // Sets the structure boxes, the consecutive option and "0 and 9" as `set` holds them.
    void setOptions(const FilterChoices& set);

    // iConsecMode: the index of the selected consecutive option.
    int iConsecMode() const { return iConsecMode_; }
    void selectConsec(int index);
    // Shows the lists (and their own headings) of `mode`, hides the others.
    void showMode(DigitMode mode);

  Q_SIGNALS:
    // A tick, a check box or an option changed: what the commands read is new.
    void settingsChanged();

  private:
    QLayout* makeFirstRow();
    QLayout* makeSecondRow();
    QLayout* makeThirdRow();
    CheckList* makeList(ListId id, int rows, QWidget* owner);
    QLabel* makeListHeading(ListId id, QWidget* owner);
    void addColumn(QGridLayout* grid, int column, std::initializer_list<ListId> ids, int rows);
    QWidget* makeConsecutives();
    QWidget* makeHotColdStore();

    std::array<CheckList*, kListCount> lists_{};
    std::map<ListId, QLabel*> ownHeadings_; // headings shown and hidden with their list
    std::array<QCheckBox*, 3>
        excluded_{}; // chkExcludeSingles, chkExcludeDoubles, chkExcludeTriples
    QCheckBox* zeroAndNine_ = nullptr;
    QButtonGroup* consecGroup_ = nullptr;
    int iConsecMode_ = 0;
};

} // namespace pick3
