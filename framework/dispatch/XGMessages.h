// Every four-character message that the framework and the launcher send or
// handle, with its contract. A message is (code, long arg, void* data) and a
// handler answers a long; -1 always means "not handled", and the search goes
// on to the base class's table, then to the parent dispatcher (view, enclosing
// views, window, application). Any other answer ends the search. Senders give
// meaning to the answer only where a message says so below; elsewhere 0 is
// the usual "handled" and the sender ignores the value.
//
// How a message travels:
//   up        DoDispatch(code, arg, data, true) from the named object
//   focus     SendDispatch: the same, starting at the focus dispatcher
//             (-1 at once when there is none)
//   broadcast SendBroadcast: each registered receiver's own tables only,
//             answers ignored
//
// Names: kMsg followed by what the message asks or announces, in the words of
// its handler where it has one (DoMenuCommand handles kMsgMenuCommand). The
// class codes of VRES records ('dlog', 'text', 'pbtn', ...) share the
// four-character form but name classes, not messages; they are not here.
#pragma once

#include "foundation/XGTypes.h"

enum : long {
    // --- The event loop ------------------------------------------------------

    // 'even' a raw Windows message. Sent to the focus by the event loop for
    //   every fetched message that the accelerators and FilterEvent let pass.
    //   arg 0; data the fetched MSG (XGAppCore::gLastMessage).
    //   Answer 1 consumes it: no keyboard translation, no DispatchMessage.
    //   0, -1 or anything else let it through. No handler in the framework.
    kMsgEvent = XGCode("even"),

    // 'pree' before each event. Broadcast by the event loop. arg 0, data null.
    //   No handler in the framework.
    kMsgPreEvent = XGCode("pree"),

    // 'peri' idle work, before each event. Sent to the focus by the event
    //   loop. arg 0, data null. Handled by XGEditText (caret blink) and by the
    //   launcher's two installer views (which pass it on).
    kMsgPeriodic = XGCode("peri"),

    // 'post' after each event, and once before the loop starts. Broadcast by
    //   the event loop. arg 0, data null. Handled by the frames (menu bars and
    //   the Windows menu) and by XGToolbarView (button states).
    kMsgPostEvent = XGCode("post"),

    // --- Keyboard ------------------------------------------------------------

    // 'keye' a key press. Sent to the focus by the keyboard translation
    //   (XGWindowProc::ProcKeyboardCommon) for WM_CHAR, for extended keys on
    //   WM_KEYDOWN, and for Tab on WM_KEYDOWN.
    //   arg XGKeyArg(modifiers, key) (foundation/XGKeys.h). For a character
    //   key is its UTF-16 unit when it lies in the BMP (ASCII as it always
    //   was) and 0xFFFD above U+FFFF; data is a const char* to the
    //   null-terminated UTF-8 form of the whole character (a surrogate pair is
    //   joined into one event first; a lone surrogate arrives as U+FFFD), valid
    //   only during the call. data is null for extended keys, for Tab and for
    //   control characters (Backspace, Return, Escape: below 0x20 and 0x7F).
    //   Handlers that insert text insert data when it is non-null.
    //   For a character the answer goes back to the event loop: -1 lets
    //   TranslateMessage and DispatchMessage run, anything else consumes it.
    //   Handled by XGWindow (Tab), XGDialog (Enter, Escape), XGPopControl
    //   (arrows), XGEditText, HCYPictureButton (passes it on), and by the
    //   procedure of the launcher's start window (Enter, Escape).
    kMsgKey = XGCode("keye"),

    // 'keym' a system (Alt) character, WM_SYSCHAR. Sent to the focus by the
    //   keyboard translation. arg and data as kMsgKey. -1 lets Windows treat
    //   it (menu mnemonics). Handled by XGWindow (the view labelled with it).
    kMsgMenuKey = XGCode("keym"),

    // --- Menus and commands --------------------------------------------------

    // 'stat' may this command be chosen? Sent up from the dispatcher whose
    //   menus are updated by XGMenuBar::UpdateMenu, and to the focus by
    //   XGToolbarView::GetMenuStatus.
    //   arg the menu command number; data an XGMenuStatus (preset not enabled,
    //   not checked; mark 0x12 from the menu bar, 0x11 from the tool bar).
    //   The answer only ends the search (XGAppCore and XGEditText answer 0,
    //   XGAppMultiWindow 1); what counts is what the handler wrote into the
    //   XGMenuStatus. Handled by XGAppCore (about, close, quit),
    //   XGAppMultiWindow (Windows menu), XGEditText (Edit menu); a window
    //   answers 0 for it while a modal loop runs, so that nothing behind a
    //   modal dialog is enabled.
    kMsgGetMenuStatus = XGCode("stat"),

    // 'menu' carry out a command. Sent to the focus by XGMenuBar::MenuCommand,
    //   XGToolbarView::SendMenuCommand and the MDI frame's procedure
    //   (WM_COMMAND). arg the command number; data null.
    //   Anything but -1 means done; on -1 the frame passes WM_COMMAND to
    //   DefFrameProc and a window's procedure to its default procedure.
    //   Handled by XGAppCore, XGAppMultiWindow, XGEditText; a window answers
    //   0 for it while a modal loop runs.
    kMsgMenuCommand = XGCode("menu"),

    // --- The application -----------------------------------------------------

    // 'oapp' open the application's first window. Sent to the focus by the
    //   start-up argument scan when the command line names nothing.
    //   arg 0, data null. Handled by HCYInstallerApp.
    kMsgOpenApplication = XGCode("oapp"),

    // 'odoc' open a document. Sent to the focus by the start-up argument scan
    //   once per argument, and for a DDE "open" command.
    //   arg 0; data an XGFileSpecifier naming the document. A DDE command
    //   answered -1 is acknowledged negatively. Handled by HCYInstallerApp
    //   (which opens its start window once).
    kMsgOpenDocument = XGCode("odoc"),

    // 'pdoc' print a document. Sent to the focus for a DDE "print" command.
    //   arg 0; data an XGFileSpecifier. -1 acknowledges the command
    //   negatively. No handler in the framework.
    kMsgPrintDocument = XGCode("pdoc"),

    // 'qapp' quit the application. Sent to the focus by XGAppCore (quit
    //   command), by the frames when their last window is gone, by the MDI
    //   frame's procedure (WM_CLOSE, WM_QUERYENDSESSION) and for a DDE "exit".
    //   arg 0, data null. XGAppCore closes every window and answers 0, or -1
    //   when a window refuses; it refuses with -1 at once inside a modal loop
    //   or another quit (XGAppCore::MayStartQuit). An application's own
    //   handler that refuses answers 1, as -1 would pass the quit on to
    //   XGAppCore's. WM_QUERYENDSESSION lets Windows end the session only on
    //   0. HCYInstallerApp answers 0 without closing anything: only the
    //   Windows quit message ends the launcher.
    kMsgQuitApplication = XGCode("qapp"),

    // --- Window notices ------------------------------------------------------
    // Sent up from the window itself: arg the window's ID, data the address of
    // a variable holding the XGWindow*.

    // 'crew' a window has been built. Handled by the frames (menu bar, window
    //   list), which answer -1 so that every dispatcher on the chain sees it.
    kMsgWindowCreate = XGCode("crew"),

    // 'desw' a window is being destroyed. Handled by the frames, which answer
    //   -1; the frame whose last window goes sends kMsgQuitApplication.
    kMsgWindowDestroy = XGCode("desw"),

    // 'namw' a window's title changed (XGWindow::SetTitle). Handled by
    //   XGAppMultiWindow (the Windows menu), which answers -1.
    kMsgWindowName = XGCode("namw"),

    // 'pdsw' may this window close? Sent by XGWindow::CloseWindow.
    //   Answer 0 refuses and keeps the window; -1 (nobody asked) or anything
    //   else lets it close. No handler in the framework.
    kMsgWindowMayClose = XGCode("pdsw"),

    // --- Dialogs -------------------------------------------------------------

    // 'dmsg' a dialog's own notice, sent by XGDialog to its procedure only,
    //   never through the dispatch tables. arg one of XGDialog's kDialogInit
    //   (after the dialog is built: 0 or -1 let the dialog put the focus on
    //   its first tab stop and mark its default button, anything else skips
    //   that), kDialogIdle (each turn of the modal loop) and kDialogDestroy
    //   (from the destructor); the answer to these two is ignored. data null.
    //   Besides it, a dialog's procedure sees first every message that reaches
    //   the dialog; a dialog without a procedure answers 0 to all of them
    //   but 'odoc', 'pdoc' and 'qapp', which it passes on.
    kMsgDialog = XGCode("dmsg"),

    // --- Controls ------------------------------------------------------------

    // 'wint' a native control's notification for its wrapper view. Sent up
    //   from the view linked to the control by the window procedures, for
    //   WM_COMMAND from a control, WM_HSCROLL and WM_VSCROLL.
    //   arg 0; data an XGControlMessage (views/XGControlMessage.h). The answer
    //   is the window procedure's result; -1 lets the default procedure run.
    //   Handled by XGButton, XGPopControl, XGScrollBar.
    kMsgControlNotify = XGCode("wint"),

    // 'cclk' a button was clicked. Sent up from XGButton (BN_CLICKED).
    //   arg the button's view ID; data null. Answer ignored. Handled by
    //   HCYInstallerView and by the alerts' procedure (ends the alert with the
    //   view ID as its result).
    kMsgControlClick = XGCode("cclk"),

    // 'pval' a pop-up control's value changed (key, list closed, inline list
    //   closed). Sent up from XGPopControl. arg its view ID; data null. Answer
    //   ignored. No handler in the framework.
    kMsgPopValue = XGCode("pval"),

    // 'pcls' a pop-up control's inline list closed. arg unused; data an
    //   XGPopCloseRecord (the control and the index chosen). Handled by
    //   XGPopControl, which answers 0. Nothing in the framework sends it.
    kMsgPopClose = XGCode("pcls"),

    // 'scrs' a scroll bar's value is about to change. Sent up from
    //   XGScrollBar before every change of value (by the user or by SetValue,
    //   SetMinValue, SetMaxValue). arg its view ID; data null. Answer ignored.
    //   Handled by XGScrollView (finishes pending drawing).
    kMsgSliderStart = XGCode("scrs"),

    // 'sval' a scroll bar's value changed. Sent up from XGScrollBar after the
    //   change. arg its view ID; data an XGScrollValueRecord (the bar, its old
    //   and new value). Answer ignored. Handled by XGScrollView (scrolls its
    //   content when the bar is one of its own; -1 otherwise).
    kMsgSliderValue = XGCode("sval"),

    // 'lval' a click in a list. Sent up from XGListView on a mouse press.
    //   arg the list control's view ID; data null. Answer ignored. No handler
    //   in the framework.
    kMsgListValue = XGCode("lval"),

    // 'lsel' a double click in a list. As kMsgListValue.
    kMsgListSelect = XGCode("lsel"),

    // 'kclk' may this text stand? Sent up from XGEditText::ValidateText.
    //   arg the view's ID; data the text (char*). Answer exactly 1 rejects
    //   the text; anything else, -1 included, accepts it. No handler in the
    //   framework.
    kMsgValidateText = XGCode("kclk"),
};
