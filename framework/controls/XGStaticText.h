#pragma once
#include "views/XGView.h"
#include "foundation/XGString.h"

class XGArgStream;
class XGDraw;
class XGFont;

// Word-wrapped text in one of the built-in fonts; "&" marks an accelerator.
class XGStaticText : public XGView {
public:
    enum { kMaxTitle = 255 };

    // construction
    XGStaticText(XGView* parent, XGArgStream& stream);
    ~XGStaticText() override;

    // overridden operations, in slot order
    void DoDrawView(tagRECT area) override;
    void GetTitle(char* out) const override;  // at most kMaxTitle characters
    void SetTitle(const char* title) override;
    long GetAccRole() const override;
    long GetAccState() const override;

    XGFont* GetFont() const { return fFont; }

private:
    void Init(const char* text, short fontNumber);
    static short SkipSpace(const char* text, short index);
    static short NextWord(const char* text, short index);
    static short CharWidth(XGDraw& draw, const char* text, short width);
    static void DrawLines(XGDraw& draw, const char* text, short x, short y, short width);

    XGFont* fFont;
    XGString fText;
};
