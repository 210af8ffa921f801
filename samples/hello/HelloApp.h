#pragma once

#include "core/XGAppMultiWindow.h"

class XGDialog;

// The smallest KEBO program: one window built from VRES 128, whose button
// changes the window's text.
class HelloApp : public XGAppMultiWindow {
public:
    HelloApp();

    XG_DECLARE_DISPATCH(HelloApp)
    void OpenCopyright() override;

    long DoOpenApplication(long arg, void* data);  // 'oapp'

    // The window's procedure: sees every message that reaches the window.
    static long WindowProc(XGDialog* dialog, void* userData, long msg, long arg, void* data);

    static constexpr short kWindowID = 128;  // the VRES resource in hello.rc
    static constexpr short kButtonID = 100;  // ids in HelloWindow.vres
    static constexpr short kTextID = 101;
};
