#pragma once

#include <string>
#include <vector>

namespace krizovky {

// krizovky-tool render TASKFILE NAME -o FILE [--game SAVEDGAME [--errors]]
//                      [--solution] [--paper a4|letter] [--dpi N] [--no-numbers]
// The page of one board, drawn as a printer gets it, into a PDF, SVG or PNG
// file by the name's extension. args are the words after "render". Returns
// the exit status; wrong arguments print the usage through usage().
int renderTask(const std::vector<std::string>& args, int (*usage)());

// krizovky-tool booklet TASKFILE -o FILE.pdf [--per-page N] [--solutions]
//                       [--task NAME]... [--paper a4|letter] [--no-numbers]
// The tasks of the file (or those named, in that order) in one PDF, and their
// solutions after them.
int makeBooklet(const std::vector<std::string>& args, int (*usage)());

}  // namespace krizovky
