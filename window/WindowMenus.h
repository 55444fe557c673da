#pragma once

#include <QKeySequence>
#include <QList>

class QAction;
class QMenu;
class QMenuBar;

namespace glimmet {

// The menu tree of the window: "Файл", "Заполнение" (with the comparison submenu after its second
// separator) and "Параметры". Every item carries its name as objectName; no item is checked at first.
struct WindowMenus {
    QMenu* file = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* ex_HTML = nullptr;
    QAction* exit = nullptr;
    QMenu* fill_as = nullptr;
    QAction* fill_as_point = nullptr;
    QAction* fill_as_circle = nullptr;
    QAction* fill_as_rect = nullptr;
    QAction* fill_as_text = nullptr;
    QMenu* method = nullptr;
    QAction* method_equal = nullptr;
    QAction* method_notequal = nullptr;
    QAction* method_greater = nullptr;
    QAction* method_lesser = nullptr;
    QAction* method_invert = nullptr;
    QAction* tolerance = nullptr;
    QMenu* params = nullptr;
    QAction* p111 = nullptr;
    QAction* p222 = nullptr;
    QAction* p333 = nullptr;

    static WindowMenus Create(QMenuBar* bar);

    // Every shortcut of the items: these win over the keys of the text fields.
    QList<QKeySequence> Shortcuts() const;
};

}  // namespace glimmet
