#include "interaction/TransferWalkHost.h"

#include <QCoreApplication>
#include <QWidget>

#include "interaction/InteractionTexts.h"
#include "platform/DialogService.h"
#include "platform/StatusPanels.h"

namespace glimmet {

namespace {
QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
}  // namespace

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

void TransferWalkHost::SetStatus(const std::string& text) {
    status_.SetPanelText(1, QString::fromStdString(text));
}

void TransferWalkHost::PageWritten() {
    dialogs_.MsgBox(Text(interaction_texts::kPageWritten), MessageButtons::Ok, MessageIcon::Information,
                    Text(interaction_texts::kPageTitle));
}

void TransferWalkHost::PageIncomplete(int64_t lostLines, const std::string& reason) {
    QString text = Text(interaction_texts::kPageIncomplete) + QString::number(lostLines);
    if (!reason.empty())
        text += QStringLiteral("\n") + Text(interaction_texts::kPageIncompleteReason) +
                QString::fromStdString(reason);
    dialogs_.MsgBox(text, MessageButtons::Ok, MessageIcon::Warning, Text(interaction_texts::kPageTitle));
}

}  // namespace glimmet
