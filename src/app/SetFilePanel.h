#pragma once
// "Open set..." and "Save set..." of the main window, with the name of the set
// in force beside them, marked when a setting changed since it was opened or
// saved. A file dropped on the window opens as a set. What the text means is
// the engine's (FilterSetFile); the bytes go through FileAccess.

#include "engine/sets/FilterSetFile.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace pick3 {

class SetFilePanel : public QWidget {
    Q_OBJECT
  public:
    // `current` reads the window's settings; `apply` puts a checked set into
    // the window as one action. Ctrl+O, Ctrl+S and drops work on the whole window.
    SetFilePanel(std::function<FilterSet()> current, std::function<void(const FilterSet&)> apply,
                 QWidget* window);

    void openSet(); // asks for a file
    void saveSet(); // asks for a name
    // Reads and checks the whole file first; only a good set changes a setting.
    void openFile(const QString& path);
    // A setting may have changed: the name is marked when the settings differ
    // from the set last opened or saved.
    void followSettings();
    std::vector<QWidget*> tabStops() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setCurrentFile(const QString& path);

    std::function<FilterSet()> current_;
    std::function<void(const FilterSet&)> apply_;
    QPushButton* open_;
    QPushButton* save_;
    QLabel* name_;
    QString path_;
    std::optional<FilterSet> inForce_; // as the window read it after the open or save
};

} // namespace pick3
