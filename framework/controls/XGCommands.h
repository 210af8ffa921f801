// The menu command numbers of the framework's standard menu bar (menu 128 in
// controls.rc) and the ones the framework answers to. A menu choice, an
// accelerator or a toolbar button sends kMsgMenuCommand with the number as
// arg (and kMsgGetMenuStatus before the menu opens); an application's own
// menu bar uses these numbers for the same actions and numbers of its own,
// outside this list, for the rest.
#pragma once

enum : long {
    // Answered by the application core (XGAppCore) while no modal dialog runs.
    kCmdAbout = 1, // shows the splash (XGCopyrightWindow) as the about box
    kCmdClose = 2, // closes the front window
    kCmdQuit = 3,  // sends kMsgQuitApplication: closes every window, then quits

    // Answered by the focused editable text (XGEditText).
    kCmdCut = 5,
    kCmdCopy = 6,
    kCmdPaste = 7,
    kCmdClear = 8,      // deletes the selection
    kCmdSelectAll = 16, // not in the standard menu

    // Answered by the multiple-document frame (XGAppMultiWindow).
    kCmdTile = 9,
    kCmdCascade = 10,
    kCmdArrangeIcons = 11,
    kCmdWindowsEmpty = 12, // the Windows menu's place holder, never enabled
    kCmdFirstWindow = 0x7000, // the Windows menu's entries, one per window
    kCmdLastWindow = 0x7FFF,

    // In the standard menu with no handler in the framework: the application
    // answers them (KEBO Notes answers Undo, Save, Save As, New and Open).
    kCmdUndo = 4,
    kCmdSave = 13,
    kCmdSaveAs = 14,
    kCmdRevert = 15,
    kCmdNew = 101,
    kCmdOpen = 102,
    kCmdPrintSetup = 103,
    kCmdPrint = 104,
    kCmdPreferences = 201,
    kCmdFind = 301,
    kCmdFindAgain = 302,
    kCmdReplace = 303,
    kCmdReplaceAndFind = 304,
    kCmdGotoLine = 305,
};
