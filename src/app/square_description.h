#pragma once

#include <string>

#include "app/board_picture.h"

namespace krizovky {

// What square (row, column) of a picture says to a screen reader, in Czech
// (UTF-8): where it is and what it holds, "řádek 3, sloupec 5, prázdné,
// poznámky 1 3 7", "řádek 3, sloupec 5, 7", "řádek 1, sloupec 1, součet
// doprava 16, dolů 23", "řádek 1, sloupec 1, prázdné pole"; then what a check,
// a Mark or the next step's hint shows on an entry square, ", duplikátní
// číslo", ", chybný součet", ", značka 2", ", chyba". The desktop's board and
// the web page's both say this.
std::string squareDescription(const PictureSquare& square, int row, int column);

}  // namespace krizovky
