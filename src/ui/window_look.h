#pragma once

#include <QByteArray>
#include <cstdint>

#include "app/board_palette.h"

namespace krizovky::ui {

// How the main window draws the board ("&Vzhled" under "&Volby").
enum class WindowLook : std::uint8_t {
    kClassic,  // a widget a square, in a window of fixed size
    kModern,   // one drawing of the whole board that grows with the window
};

// The look chosen last, kept between starts in the player's settings
// (krizovky/krizovky.ini in the user's config folder); classic until one is
// chosen.
WindowLook rememberedLook();
void rememberLook(WindowLook look);

// The board's colours, its run highlight and the digit pad, kept the same way.
DisplayOptions rememberedDisplay();
void rememberDisplay(const DisplayOptions& options);

// The main window's size and place in the modern look (QWidget::saveGeometry);
// empty until kept.
QByteArray rememberedGeometry();
void rememberGeometry(const QByteArray& geometry);

}  // namespace krizovky::ui
