#pragma once
// The filter lists of the main window under "Filtersettings (select to
// exclude)", the consecutive-digit options, the three structure check boxes and
// the out-of-sight hot/cold store lists.

#include "app/CheckList.h"
#include "engine/Catalogue.h"
#include "engine/Digits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <map>

class QGridLayout;

namespace pick3 {

class FilterPanel : public QWidget {
    Q_OBJECT
  public:
    explicit FilterPanel(QWidget* parent);

    // The filter and hot/cold lists; null for the digit lists, which live elsewhere.
    CheckList* list(ListId id) const { return lists_[static_cast<std::size_t>(id)]; }

    QCheckBox* excludeSingles() const { return excludeSingles_; }
    QCheckBox* excludeDoubles() const { return excludeDoubles_; }
    QCheckBox* excludeTriples() const { return excludeTriples_; }
    QCheckBox* zeroAndNine() const { return zeroAndNine_; }

    // iConsecMode: the index of the selected consecutive option.
    int iConsecMode() const { return iConsecMode_; }
    void selectConsec(int index);

    // Shows the lists (and their own headings) of `mode`, hides the others.
    void showMode(DigitMode mode);

  private:
    CheckList* makeList(ListId id, int rows, QWidget* owner);
    QLabel* makeHeading(ListId id, QWidget* owner);
    void addColumn(QGridLayout* grid, int column, std::initializer_list<ListId> ids, int rows);
    QWidget* makeConsecutives();
    QWidget* makeHotColdStore();

    std::array<CheckList*, kListCount> lists_{};
    std::map<ListId, QLabel*> ownHeadings_; // headings shown and hidden with their list
    QCheckBox* excludeSingles_ = nullptr;
    QCheckBox* excludeDoubles_ = nullptr;
    QCheckBox* excludeTriples_ = nullptr;
    QCheckBox* zeroAndNine_ = nullptr;
    QButtonGroup* consecGroup_ = nullptr;
    int iConsecMode_ = 0;
};

} // namespace pick3
