#pragma once
// "Is my money luck?" under the totals of "My plays": the chance of the player's number of
// winning tickets and of their money by luck alone, worked out exactly from the tickets
// checked against held draws (those entered after the draw left out, and counted), on a
// worker thread; "Chart..." asks for the charts window on the player's own luck chart.

#include "charts/ChartDraws.h"
#include "engine/plays/MoneyLuck.h"
#include "plays/PlaysShared.h"

#include <QGroupBox>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace pick3 {

class MoneyLuckPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit MoneyLuckPanel(QWidget* parent);

    // Works the luck of `tickets` out again; `draws` point into `games`, which the work keeps.
    void setTickets(std::vector<CheckedTicket> tickets, std::vector<GameDraws> draws,
                    GameList games);
    // The last answer, once worked out; nothing while it is being worked out.
    const std::optional<MoneyLuck>& luck() const { return luck_; }
    // What the charts window is handed: the player's draws, their line and band.
    ChartSource chartSource() const;
    QPushButton* chartButton() const { return cmdChart_; }

  Q_SIGNALS:
    void workedOut();
    void chartsRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Answer {
        MoneyLuck luck;
        std::shared_ptr<const TicketsLuck> chart;
    };
    static Answer answerOf(const std::vector<CheckedTicket>& tickets,
                           const std::vector<GameDraws>& draws, const GameList& games);
    void show(const Answer& answer);
    void startWork(); // the work waiting for the panel to be drawn, begun

    QLabel* lblLuck_ = nullptr;
    QPushButton* cmdChart_ = nullptr;
    std::optional<MoneyLuck> luck_;
    std::shared_ptr<const TicketsLuck> chart_;
    int generation_ = 0;
    std::function<Answer()> waiting_; // set until it has begun
};

} // namespace pick3
