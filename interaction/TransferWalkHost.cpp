#include "interaction/TransferWalkHost.h"

#include <QCoreApplication>
#include <QWidget>

#include "interaction/InteractionTexts.h"
#include "picture/QtText.h"
#include "widgets/DialogService.h"
#include "widgets/MessageTexts.h"
#include "widgets/StatusPanels.h"
#include "widgets/SystemReason.h"

namespace glimmet {

TransferWalkHost::TransferWalkHost(TransferPacing pacing, StatusPanels& status, QWidget& output,
                                   DialogService& dialogs, const WalkSession& session)
    : pacing_(pacing), status_(status), output_(output), dialogs_(dialogs), session_(session) {
    sinceYield_.start();
    sinceRepaint_.start();
}

bool TransferWalkHost::YieldDue() {
    return sinceYield_.elapsed() >= pacing_.yieldMs;
}

void TransferWalkHost::Yield() {
    if (sinceRepaint_.elapsed() >= pacing_.repaintMs) {
        output_.update();
        sinceRepaint_.restart();
    }
    QCoreApplication::processEvents();
    sinceYield_.restart();
}

bool TransferWalkHost::StopRequested() const {
    return session_.exitRequested;
}

void TransferWalkHost::ShowProgress(int32_t updates) {
    status_.SetPanelText(1, ProgressText(updates));
}

void TransferWalkHost::ShowDone() {
    status_.SetPanelText(1, QtText(interaction_texts::kDone));
}

QString TransferWalkHost::ProgressText(int32_t updates) {
    // One dot per update, then the percentage: "... 3%".
    return QString(updates, QLatin1Char('.')) + QLatin1Char(' ') + QString::number(updates) +
           QLatin1Char('%');
}

void TransferWalkHost::PageWritten() {
    dialogs_.MsgBox(QtText(interaction_texts::kPageWritten), MessageButtons::Ok, MessageIcon::Information,
                    QtText(message_texts::kPageTitle));
}

void TransferWalkHost::PageIncomplete(int64_t lostLines, const std::string& reason) {
    QString text = QtText(interaction_texts::kPageIncomplete) + QString::number(lostLines);
    if (!reason.empty())
        text += QStringLiteral("\n") + QtText(message_texts::kReason) +
                SystemReason(QString::fromStdString(reason));
    dialogs_.MsgBox(text, MessageButtons::Ok, MessageIcon::Warning, QtText(message_texts::kPageTitle));
}

}  // namespace glimmet
