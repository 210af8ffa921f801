#pragma once

class XGView;

// An inline element (a small editor or pop-up open inside another view). At most one is
// open: gInline, or null.
class XGInline {
public:
    explicit XGInline(XGView* owner) : fOwner(owner) {}

    // If one is open, give the focus to its owner view.
    static void Close();
    // Close, but only when the open element belongs to the view.
    static void CloseInline(XGView* view);

    XGView* fOwner;
    static XGInline* gInline;
};
