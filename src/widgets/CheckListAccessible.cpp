#include "widgets/CheckListAccessible.h"

#include "widgets/CheckList.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace pick3 {

namespace {

// One item, known by its list and its row.
class CheckItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CheckItemAccessible(CheckList* list, int row) : list_(list), row_(row) {}

    bool isValid() const override { return list_ != nullptr && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return list_ != nullptr ? list_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? list_->itemText(row_) : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect inList = list_->visualItemRect(list_->item(row_));
        return {list_->mapToGlobal(inList.topLeft()), inList.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.checkable = true;
        s.checked = list_->isTicked(row_);
        s.focusable = true;
        s.focused = list_->hasFocus() && list_->currentRow() == row_;
        s.disabled = !list_->isEnabled();
        s.invisible = !list_->isVisible() || !list_->contentsRect().intersects(
                                                 list_->visualItemRect(list_->item(row_)));
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() && isValid() && list_->isEnabled()) {
            list_->setTicked(row_, !list_->isTicked(row_));
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

  private:
    QPointer<CheckList> list_;
    int row_;
};

class CheckListAccessible : public QAccessibleWidget {
  public:
    explicit CheckListAccessible(CheckList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~CheckListAccessible() override {
        for (const QAccessible::Id id : std::as_const(items_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    CheckListAccessible(const CheckListAccessible&) = delete;
    CheckListAccessible& operator=(const CheckListAccessible&) = delete;

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list()->count()) {
            return nullptr;
        }
        auto known = items_.constFind(index);
        if (known == items_.constEnd()) {
            known = items_.insert(index, QAccessible::registerAccessibleInterface(
                                             new CheckItemAccessible(list(), index)));
        }
        return QAccessible::accessibleInterface(*known);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = items_.constBegin(); it != items_.constEnd(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child) {
                return it.key();
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int row = list()->rowAt(list()->mapFromGlobal(QPoint(x, y)));
        return row >= 0 ? child(row) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int row = list()->currentRow();
        return list()->hasFocus() && row >= 0 ? child(row) : nullptr;
    }

  private:
    CheckList* list() const { return static_cast<CheckList*>(widget()); }
    mutable QHash<int, QAccessible::Id> items_; // made as a reader asks for them
};

QAccessibleInterface* checkListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("pick3::CheckList") && object->isWidgetType()) {
        return new CheckListAccessible(static_cast<CheckList*>(object));
    }
    return nullptr;
}

} // namespace

void installCheckListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(checkListFactory);
        return true;
    }();
    (void)installed;
}

} // namespace pick3
