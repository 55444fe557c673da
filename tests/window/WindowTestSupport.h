#pragma once

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "platform/DialogService.h"
#include "window/MF.h"

namespace glimmet::test {

// Answers every dialog at once and keeps what was asked.
class ScriptedDialogService final : public DialogService {
  public:
    struct Message {
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
        QString title;
    };

    MessageAnswer MsgBox(const QString& text, MessageButtons buttons, MessageIcon icon,
                         const QString& title) override {
        messages.push_back({text, buttons, icon, title});
        if (onMessage) onMessage();
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    void ShowOpen(FileDialogSettings& settings) override { settings.FileName = chosenFile; }
    void ShowSave(FileDialogSettings& settings) override { settings.FileName = chosenFile; }

    std::vector<Message> messages;
    std::function<void()> onMessage;
    MessageAnswer answer = MessageAnswer::Yes;
    QString chosenFile;
};

// Options of a window under test: 15 twips per pixel whatever the screen, and a yield before every
// sample, so that a handler can run between any two samples.
inline WindowOptions TestOptions() {
    WindowOptions options;
    options.metrics = ScreenMetrics{15.0f, 15.0f};
    options.pacing = TransferPacing{1, 0, 0};
    options.programFolder = QStringLiteral("/tmp");
    return options;
}

// Counts the passes of the event loop: every pass handles the probe's one posted event and posts the
// next, which the same pass leaves for the next one. With a yield before every sample, pass k runs
// between sample k - 1 and sample k; `action` runs in pass `at`.
class YieldProbe final : public QObject {
  public:
    YieldProbe(int at, std::function<void()> action) : at_(at), action_(std::move(action)) { Post(); }

    int passes() const { return passes_; }

  protected:
    bool event(QEvent* event) override {
        if (event->type() != kType) return QObject::event(event);
        ++passes_;
        if (passes_ == at_ && action_) action_();
        Post();
        return true;
    }

  private:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 17);
    void Post() { QCoreApplication::postEvent(this, new QEvent(kType)); }

    int at_;
    std::function<void()> action_;
    int passes_ = 0;
};

// Answers the real modal dialogs the window opens, one after the other, from inside their own event
// loops: the k-th dialog that opens is handed to the k-th answer.
class ModalAnswers final : public QObject {
  public:
    explicit ModalAnswers(std::vector<std::function<void(QWidget*)>> answers) : answers_(std::move(answers)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last_.data() || answered_ >= answers_.size()) return;
            last_ = modal;
            answers_[answered_++](modal);
        });
        timer_.start();
    }

  private:
    std::vector<std::function<void(QWidget*)>> answers_;
    size_t answered_ = 0;
    QPointer<QWidget> last_;
    QTimer timer_;
};

// Types `text` into `widget` as key presses that carry the characters (QTest::keyClicks gives up on
// Cyrillic text in Qt 6.4).
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        const int key = ch.isLetter() && ch.unicode() < 128 ? ch.toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &release);
    }
}

}  // namespace glimmet::test
