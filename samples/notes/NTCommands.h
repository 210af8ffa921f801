// The menu command numbers of KEBO Notes' own commands; the standard ones
// (About, Close, Quit, Undo, Cut, Copy, Paste, Clear, Tile, Cascade, Save,
// Save As, Select All, New, Open) are the framework's (controls/XGCommands.h).
#pragma once

#include "controls/XGCommands.h"

enum : long {
    kCmdWordWrap = 401,
    kCmdToolBar = 402,
    kCmdGallery = 403
};
