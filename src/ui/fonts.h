#pragma once

#include <QFont>

namespace krizovky::ui {

// The fonts of the windows, all from the DejaVu family that the program
// expects on the system.
inline QFont pixelFont(const char* family, int pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The windows' own font.
inline QFont baseFont() {
    return pixelFont("DejaVu Sans", 13, false);
}

// Two lines of three characters must fit a 25-pixel square: fixed pitch, so
// the sums of all clue squares stand in the same columns.
inline QFont clueFont() {
    QFont font = pixelFont("DejaVu Sans Mono", 11, true);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

// One digit filling most of a square.
inline QFont entryFont() {
    return pixelFont("DejaVu Sans", 20, true);
}

// The player's notes: nine digits in a square, three to a line.
inline QFont noteFont() {
    return pixelFont("DejaVu Sans", 9, false);
}

}  // namespace krizovky::ui
