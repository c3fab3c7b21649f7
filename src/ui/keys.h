#pragma once

#include <QKeyEvent>
#include <optional>

#include "app/keyboard.h"

namespace krizovky::ui {

// The key of keyboard play that a key press stands for. The digits count from
// the main keys and from the keypad, with Shift too, as Czech keyboards type
// them; with Ctrl, Alt or Meta a key belongs to the menus.
inline std::optional<Key> gameKey(const QKeyEvent& event) {
    if (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return std::nullopt;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return static_cast<Key>(key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Delete:
            return Key::kDelete;
        case Qt::Key_Backspace:
            return Key::kBackspace;
        case Qt::Key_Left:
            return Key::kLeft;
        case Qt::Key_Right:
            return Key::kRight;
        case Qt::Key_Up:
            return Key::kUp;
        case Qt::Key_Down:
            return Key::kDown;
        case Qt::Key_Escape:
            return Key::kEscape;
        default:
            return std::nullopt;
    }
}

}  // namespace krizovky::ui
