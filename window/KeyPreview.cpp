#include "window/KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>

namespace glimmet {

KeyPreview::KeyPreview(QWidget& window, QList<QKeySequence> menuKeys, std::function<void(int16_t)> keyPress)
    : QObject(&window), window_(window), menuKeys_(std::move(menuKeys)), keyPress_(std::move(keyPress)) {}

void KeyPreview::Watch(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) control->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (menuKeys_.contains(QKeySequence(key->keyCombination()))) return true;
    } else if (event->type() == QEvent::KeyPress && watched == window_.focusWidget()) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty()) keyPress_(static_cast<int16_t>(text.at(0).unicode()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace glimmet
