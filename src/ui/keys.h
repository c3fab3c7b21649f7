#pragma once

#include <QKeyEvent>
#include <optional>

#include "app/keyboard.h"

namespace krizovky::ui {

// The digit 1..9 on the key of a Czech keyboard's top row that types it with
// Shift ("+ěščřžýáíé" without), 0 for any other key.
inline int czechTopRowDigit(int key) {
    constexpr int kTopRow[] = {Qt::Key_Plus, 0x11A, 0x160, 0x10C, 0x158, 0x17D, 0xDD, 0xC1, 0xCD};
    for (int d = 1; d <= 9; ++d)
        if (key == kTopRow[d - 1]) return d;
    return 0;
}

// The key of keyboard play that a key press stands for. The digits count from
// the main keys and from the keypad, with Shift too, as Czech keyboards type
// them; with Ctrl a digit toggles a note, also Ctrl with the key of a Czech
// keyboard's digit without Shift. Other keys with Ctrl, and any with Alt or
// Meta, belong to the menus.
inline std::optional<Key> gameKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers typing = Qt::ShiftModifier | Qt::KeypadModifier;
    const int key = event.key();
    const bool digit = key >= Qt::Key_1 && key <= Qt::Key_9;
    if ((event.modifiers() & ~typing) == Qt::ControlModifier) {
        const int note = digit ? key - Qt::Key_0 : czechTopRowDigit(key);
        if (note != 0) return static_cast<Key>(static_cast<int>(Key::kNote1) + note - 1);
    }
    if (event.modifiers() & ~typing) return std::nullopt;
    if (digit) return static_cast<Key>(key - Qt::Key_0);
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
        case Qt::Key_N:
            return Key::kNotesMode;
        default:
            return std::nullopt;
    }
}

}  // namespace krizovky::ui
