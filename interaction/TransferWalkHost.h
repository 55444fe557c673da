#pragma once

#include <QElapsedTimer>

#include "interaction/TransferPacing.h"
#include "interaction/WalkSession.h"
#include "render/WalkPorts.h"

class QWidget;

namespace glimmet {

class DialogService;
class StatusPanels;

// The walk's host in the window: yields to the window's event loop at the pace of TransferPacing,
// repaints the output picture now and then, shows the status in panel 1 and the export's messages.
// When the user ends the program during a yield, the walk stops right there.
class TransferWalkHost final : public WalkHost {
  public:
    TransferWalkHost(TransferPacing pacing, StatusPanels& status, QWidget& output, DialogService& dialogs,
                     const WalkSession& session);

    int32_t YieldCheckInterval() const override { return pacing_.checkInterval; }
    bool YieldDue() override;
    void Yield() override;
    // The user ended the program during the yield: the walk ends at once.
    bool StopRequested() const override;
    void ShowProgress(int32_t updates) override;
    void ShowDone() override;

    // The first status panel during a walk, after `updates` progress updates.
    static QString ProgressText(int32_t updates);
    void PageWritten() override;
    void PageIncomplete(int64_t lostLines, const std::string& reason) override;

  private:
    TransferPacing pacing_;
    StatusPanels& status_;
    QWidget& output_;
    DialogService& dialogs_;
    const WalkSession& session_;
    QElapsedTimer sinceYield_;
    QElapsedTimer sinceRepaint_;
};

}  // namespace glimmet
