#pragma once

#include "core/XGAppMultiWindow.h"

class XGDialog;

// The Control Gallery: one window (VRES 128) with one of each control the
// framework has; its procedure tells in the status line what each did.
class GalleryApp : public XGAppMultiWindow {
public:
    GalleryApp();

    XG_DECLARE_DISPATCH(GalleryApp)
    void OpenCopyright() override;

    long DoOpenApplication(long arg, void* data);  // 'oapp'

    // The class codes of the gallery's tree that a program registers itself.
    static void RegisterClasses();
    // Builds the window and fills in what a record cannot say (the list's
    // items); null when the resource is missing.
    static XGDialog* OpenGallery();
    // The window's procedure: sees every message that reaches the window.
    static long WindowProc(XGDialog* dialog, void* userData, long msg, long arg, void* data);

    static constexpr short kWindowID = 128;  // the VRES resource in gallery.rc
    // IDs in vres/Gallery.vres, which are also the tab order.
    enum : short {
        kPushButton = 1,
        kCheckBox = 2,
        kName = 3,
        kPassword = 4,
        kDigits = 5,
        kList = 6,
        kScrollBar = 7,
        kIcon = 8,
        kPicture = 9,
        kStatus = 10
    };
};
