#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>
#include <vector>

#include "tests/support/TestFiles.h"
#include "widgets/ChangeField.h"
#include "widgets/DialogService.h"
#include "widgets/PictureBox.h"
#include "widgets/SourcePictureBox.h"
#include "widgets/StatusPanels.h"
#include "window/MF.h"

namespace glimmet {

// Writes the window's state directly, where no control can.
struct WindowTestAccess {
    static WindowState& State(MF& window) { return window.state_; }
};

}  // namespace glimmet

namespace glimmet::test {

inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr QRgb kBlack = 0xFF000000, kWhite = 0xFFFFFFFF;

// Every pixel tells its position: red = x, green = y, blue 7, far from the reference blue, so every
// sample passes the start-up comparison (not equal).
inline QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    return image;
}

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
        if (onDialog) onDialog();
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    void ShowOpen(FileDialogSettings& settings) override { ShowSave(settings); }
    void ShowSave(FileDialogSettings& settings) override {
        if (onDialog) onDialog();
        proposed << settings.FileName;
        settings.FileName = chosenFile;
    }
    std::optional<int32_t> GetInteger(const QString& title, const QString& label, int32_t value,
                                      int32_t minimum, int32_t maximum) override {
        asked << title << label << QStringLiteral("%1 %2..%3").arg(value).arg(minimum).arg(maximum);
        return integer;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const Message& m : messages) texts << m.text;
        return texts;
    }

    std::vector<Message> messages;
    std::function<void()> onDialog;  // runs whenever a dialog is shown
    MessageAnswer answer = MessageAnswer::Yes;
    QString chosenFile;
    std::optional<int32_t> integer;  // the answer to an integer input; none is a cancel
    QStringList asked;               // each integer input's title, label and "value minimum..maximum"
    QStringList proposed;            // the name each file dialog proposed
};

// 15 twips per pixel whatever the screen, and a yield before every sample, so that a handler can
// run between any two samples.
inline WindowOptions TestOptions() {
    return {ScreenMetrics{15.0f, 15.0f}, TransferPacing{1, 0, 0}, QStringLiteral("/tmp")};
}

// The window under test, shown offscreen, its dialogs scripted.
class Window {
  public:
    explicit Window(const QImage& picture = {}) : mf(dialogs, TestOptions()) {
        mf.show();
        if (!QTest::qWaitForWindowExposed(&mf)) qFatal("window not shown");
        if (!picture.isNull()) Source()->SetPicture(picture);
    }
    MF* operator->() { return &mf; }
    template <typename T = QWidget>
    T* Find(const char* name) {
        T* found = mf.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) qFatal("no control %s", name);
        return found;
    }
    ChangeField* Field(const char* name) { return Find<ChangeField>(name); }
    SourcePictureBox* Source() { return Find<SourcePictureBox>("source_pic"); }
    PictureBox* Out() { return Find<PictureBox>("out_pic"); }
    QString Panel(int position) { return mf.Status().PanelText(position); }
    QRgb OutPixel(int x, int y) { return Out()->Shown().pixel(x, y); }
    void Select(QRectF r) {
        Source()->SetSelection({float(r.x()), float(r.y()), float(r.width()), float(r.height())});
    }
    // Selects `selection`, sets the zoom and runs the transfer.
    void Transfer(QRectF selection, const char* zoom = "1") {
        Select(selection);
        Field("txt_zoom")->SetText(QString::fromLatin1(zoom));
        mf.pic_transfer_Click();
    }
    // Opens `path` through the open command, as if chosen in the dialog.
    void Open(const QString& path) {
        dialogs.chosenFile = path;
        mf.open_Click();
    }
    void Save(const QString& path) {
        dialogs.chosenFile = path;
        mf.save_Click();
    }
    void Export(const QString& page) {
        dialogs.chosenFile = page;
        mf.ex_HTML_Click();
    }

    ScriptedDialogService dialogs;
    MF mf;
};

// Counts the passes of the event loop: every pass handles the probe's one posted event and posts the
// next. With a yield before every sample, pass k runs between sample k - 1 and sample k; `action`
// runs in pass `at`.
class YieldProbe final : public QObject {
  public:
    YieldProbe(int at, std::function<void()> action) : at_(at), action_(std::move(action)) { Post(); }
    int passes() const { return passes_; }

  protected:
    bool event(QEvent* event) override {
        if (event->type() != kType) return QObject::event(event);
        if (++passes_ == at_ && action_) action_();
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

// Answers the real modal dialogs, one after the other, from inside their own event loops: the k-th
// dialog that opens is handed to the k-th answer.
class ModalAnswers final : public QObject {
  public:
    explicit ModalAnswers(std::vector<std::function<void(QWidget*)>> answers) : answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last_.data() || answered_ >= answers_.size()) return;
            last_ = modal;
            answers_[answered_++](modal);
        });
        timer_.start(5);
    }

  private:
    std::vector<std::function<void(QWidget*)>> answers_;
    size_t answered_ = 0;
    QPointer<QWidget> last_;
    QTimer timer_;
};

}  // namespace glimmet::test
