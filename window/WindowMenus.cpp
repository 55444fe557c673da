#include "window/WindowMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "picture/QtText.h"
#include "window/WindowTexts.h"

namespace glimmet {

namespace {

namespace t = window_texts;

QMenu* Menu(QMenuBar* bar, const char* name, TrText caption) {
    QMenu* menu = bar->addMenu(QtText(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* Submenu(QMenu* parent, const char* name, TrText caption) {
    QMenu* menu = parent->addMenu(QtText(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// An item with its shortcut. Items checkable, so that their check mark shows; the window sets every
// mark itself.
QAction* Item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
              bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // The window is the program's only one; its menu keys work wherever the focus is in it.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(checkable);
    return action;
}

void Separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

WindowMenus WindowMenus::Create(QMenuBar* bar) {
    WindowMenus m;
    m.file = Menu(bar, "file", t::kFileMenu);
    m.open = Item(m.file, "open", QtText(t::kOpen), QKeySequence(Qt::CTRL | Qt::Key_O), false);
    m.save = Item(m.file, "save", QtText(t::kSave), QKeySequence(Qt::CTRL | Qt::Key_S), false);
    Separator(m.file, "sep");
    m.ex_HTML = Item(m.file, "ex_HTML", QtText(t::kExportHtml), QKeySequence(Qt::CTRL | Qt::Key_H), false);
    Separator(m.file, "s1");
    m.exit = Item(m.file, "exit", QtText(t::kExit), QKeySequence(Qt::CTRL | Qt::Key_X), false);

    m.fill_as = Menu(bar, "fill_as", t::kFillMenu);
    m.fill_as_point =
        Item(m.fill_as, "fill_as_point", QtText(t::kFillAsPoint), QKeySequence(Qt::Key_F2), true);
    m.fill_as_circle =
        Item(m.fill_as, "fill_as_circle", QtText(t::kFillAsCircle), QKeySequence(Qt::Key_F3), true);
    m.fill_as_rect = Item(m.fill_as, "fill_as_rect", QtText(t::kFillAsRect), QKeySequence(Qt::Key_F4), true);
    Separator(m.fill_as, "sep1");
    m.fill_as_text = Item(m.fill_as, "fill_as_text", QtText(t::kFillAsText), QKeySequence(Qt::Key_F5), true);
    Separator(m.fill_as, "sep2");
    m.method = Submenu(m.fill_as, "method", t::kMethodMenu);
    m.method_equal =
        Item(m.method, "method_equal", QtText(t::kMethodNames[0]), QKeySequence(Qt::CTRL | Qt::Key_F1), true);
    m.method_notequal = Item(m.method, "method_notequal", QtText(t::kMethodNames[1]),
                             QKeySequence(Qt::CTRL | Qt::Key_F2), true);
    m.method_greater = Item(m.method, "method_greater", QtText(t::kMethodNames[2]),
                            QKeySequence(Qt::CTRL | Qt::Key_F3), true);
    m.method_lesser = Item(m.method, "method_lesser", QtText(t::kMethodNames[3]),
                           QKeySequence(Qt::CTRL | Qt::Key_F4), true);
    Separator(m.method, "sep3");
    m.method_invert = Item(m.method, "method_invert", QtText(t::kMethodNames[4]),
                           QKeySequence(Qt::CTRL | Qt::Key_F5), true);
    Separator(m.method, "sep4");
    m.tolerance =
        Item(m.method, "tolerance", QtText(t::kToleranceItem), QKeySequence(Qt::CTRL | Qt::Key_F6), false);

    // The presets have no shortcut of their own: their letters are typed characters that the window's
    // key handler turns into commands, and the caption shows them after a tab from start-up on.
    m.params = Menu(bar, "params", t::kParamsMenu);
    m.p111 = Item(m.params, "p111", QtText(t::kPresetCaptions[0]), QKeySequence(), false);
    m.p222 = Item(m.params, "p222", QtText(t::kPresetCaptions[1]), QKeySequence(), false);
    m.p333 = Item(m.params, "p333", QtText(t::kPresetCaptions[2]), QKeySequence(), false);
    return m;
}

QList<QKeySequence> WindowMenus::Shortcuts() const {
    QList<QKeySequence> keys;
    for (const QMenu* menu : {file, fill_as, method}) {
        for (const QAction* action : menu->actions()) {
            if (!action->shortcut().isEmpty()) keys << action->shortcut();
        }
    }
    return keys;
}

}  // namespace glimmet
