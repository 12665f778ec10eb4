#pragma once
// One page of the charts window: it is told the draws, works its series out on
// a worker thread (a long history must not freeze the window) and draws them
// when they are ready; a page that is not shown waits until it is.

#include "charts/ChartDraws.h"

#include <QFutureWatcher>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <initializer_list>
#include <memory>

class QSplitter;
class QTimer;
class QTableWidget;

namespace pick3 {

class ChartPage : public QWidget {
    Q_OBJECT
  public:
    ChartPage(const QString& title, QWidget* parent);
    QString title() const { return title_; }
    // The draws to chart: drawn now where the page is shown, otherwise when it first is.
    void setDraws(std::shared_ptr<const ChartDraws> draws);
    // What saving and printing draw: the charts and their captions.
    virtual QWidget* picture() const = 0;
    // True once the last draws given are drawn.
    bool isDrawn() const { return drawn_; }

  Q_SIGNALS:
    void drawn();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A page whose axes' ticks depend on its size draws again when resized.
    void redrawWhenResized() { redrawWhenResized_ = true; }
    // Works the series out again and draws them (through runThenShow).
    virtual void redraw() = 0;
    void redrawIfShown();
    const ChartDraws& draws() const { return *draws_; }
    // For a page that runs its own work: the last draws given are drawn now.
    void markDrawn() {
        drawn_ = true;
        Q_EMIT drawn();
    }
    std::shared_ptr<const ChartDraws> sharedDraws() const { return draws_; }
    // The page's layout: its choices in a row on top, the picture, and below it the
    // table of values where the page has one.
    void layOutPage(std::initializer_list<QWidget*> choices, QWidget* picture,
                    QWidget* values = nullptr);

    // `work` on a worker thread, then `show` with its result here; a result that
    // a later call overtook is dropped.
    template <typename T, typename Work, typename Show> void runThenShow(Work work, Show show) {
        const int generation = ++generation_;
        drawn_ = false;
        auto* watcher = new QFutureWatcher<T>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, show] {
            watcher->deleteLater();
            if (generation == generation_) {
                show(watcher->result());
                drawn_ = true;
                Q_EMIT drawn();
            }
        });
        watcher->setFuture(QtConcurrent::run(std::move(work)));
    }

  private:
    QByteArray splitKey() const;
    void placeSplit();

    QSplitter* splitter_ = nullptr;
    QTimer* resized_ = nullptr;
    bool redrawWhenResized_ = false;
    bool splitPlaced_ = false;
    QString title_;
    std::shared_ptr<const ChartDraws> draws_;
    bool due_ = false;
    bool drawn_ = false;
    int generation_ = 0;
};

// A read-only table of a chart's values, for screen readers and copying.
QTableWidget* makeValuesTable(const QString& name, const QString& heading,
                              const QStringList& columns, QWidget* parent);
// Puts `cells` into row `row`, growing the table to it.
void setValuesRow(QTableWidget* table, int row, const QStringList& cells);

} // namespace pick3
