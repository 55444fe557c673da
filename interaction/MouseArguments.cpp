#include "interaction/MouseArguments.h"

#include <QMouseEvent>

namespace glimmet {

namespace {

int16_t ButtonValue(Qt::MouseButtons buttons) {
    int16_t value = 0;
    if (buttons & Qt::LeftButton) value += 1;
    if (buttons & Qt::RightButton) value += 2;
    if (buttons & Qt::MiddleButton) value += 4;
    return value;
}

}  // namespace

std::optional<MouseArguments> MouseArguments::Of(const QEvent& event, int border) {
    MouseArguments arguments;
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // a second press, as the platform's press event
            arguments.action = MouseAction::Down;
            break;
        case QEvent::MouseMove:
            arguments.action = MouseAction::Move;
            break;
        case QEvent::MouseButtonRelease:
            arguments.action = MouseAction::Up;
            break;
        default:
            return std::nullopt;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    arguments.Button = ButtonValue(arguments.action == MouseAction::Move ? mouse.buttons() : mouse.button());
    arguments.X = static_cast<float>(mouse.position().x() - border);
    arguments.Y = static_cast<float>(mouse.position().y() - border);
    return arguments;
}

}  // namespace glimmet
