#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <cstdint>
#include <functional>
#include <initializer_list>

class QWidget;

namespace glimmet {

// The window's key preview: a character typed into a watched control reaches the window first (the
// control still gets it afterwards), and a menu key wins over a control's own use of it (Ctrl+X ends
// the program, it does not cut).
class KeyPreview final : public QObject {
  public:
    // `window` tells which control has the focus; `keyPress` gets every typed character.
    KeyPreview(QWidget& window, QList<QKeySequence> menuKeys, std::function<void(int16_t)> keyPress);

    void Watch(std::initializer_list<QWidget*> controls);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    QList<QKeySequence> menuKeys_;
    std::function<void(int16_t)> keyPress_;
};

}  // namespace glimmet
