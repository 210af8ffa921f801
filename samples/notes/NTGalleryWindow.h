// The Control Gallery ('ngal'): one window built from one VRES tree holding
// every view class of the framework, each wired to something visible, so
// that a developer sees the controls work and can copy their records.
#pragma once

#include "views/XGWindow.h"

class NTGalleryWindow : public XGWindow {
public:
    // construction
    NTGalleryWindow(XGArgStream& stream, XGForm* form);
    ~NTGalleryWindow() override;

    // The gallery's tree (VRES).
    static constexpr short kWindowID = 134;

    // The view IDs of the tree.
    enum : short {
        kPushButton = 1, kPushText = 2,
        kCheckBox = 3, kPopUp = 4, kPopUpText = 5,
        kScrollBar = 6, kScrollText = 7,
        kList = 8, kListText = 9,
        kScrollView = 10, kPicture = 11,
        kDigitsField = 13, kShortField = 14, kByteField = 15, kByteText = 16
    };

    // Opens the gallery, or brings it to the front when it is open.
    static NTGalleryWindow* Show();

    // overridden operations of XGWindow
    XG_DECLARE_DISPATCH(NTGalleryWindow)
    // The face colour behind the controls, as a dialog has it: static texts
    // draw only their letters, so a changed text needs its ground redrawn.
    void DoDrawView(tagRECT area) override;
    // The picture and the scroll view's content area both scale, but the
    // range over them is counted in pixels: it is worked out again.
    void DoDpiChanged(int oldDpi, int newDpi) override;

    // message handlers
    long ControlClick(long viewID, void* data);     // 'cclk'
    long PopUpValue(long viewID, void* data);       // 'pval'
    long ScrollValue(long viewID, void* data);      // 'sval'
    long ListClick(long viewID, void* data);        // 'lval'
    long CheckText(long viewID, void* data);        // 'kclk'

private:
    void Fill();
    // The scroll view's range over the picture for a content area of this
    // many pixels.
    void SetPictureRange(long contentWidth, long contentHeight);
    void SetText(short viewID, const char* text);
    void ShowListSelection();

    long fPushes;
};
