// The menu command numbers of KEBO Notes. Those below 100 are the ones the
// framework's application core, frames and text view answer to.
#pragma once

enum : long {
    kCmdAbout = 1,
    kCmdClose = 2,
    kCmdQuit = 3,
    kCmdUndo = 4,
    kCmdCut = 5,
    kCmdCopy = 6,
    kCmdPaste = 7,
    kCmdClear = 8,
    kCmdTile = 9,
    kCmdCascade = 10,
    kCmdSave = 13,
    kCmdSaveAs = 14,
    kCmdSelectAll = 16,
    kCmdNew = 101,
    kCmdOpen = 102,
    kCmdWordWrap = 401,
    kCmdToolBar = 402,
    kCmdGallery = 403
};
