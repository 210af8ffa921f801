#pragma once
#include "core/XGAppCore.h"

class XGMenuBar;
class XGWindow;

// The application frame with exactly one main window and its menu bar.
// Also built by the program entry as a temporary object, so that an alert
// can run when no application object could be made.
class XGAppSingleWindow : public XGAppCore {
public:
    // construction
    XGAppSingleWindow();
    ~XGAppSingleWindow() override;

    XGWindow* GetAppWindow() const { return fAppWindow; }
    XGMenuBar* GetAppMenuBar() const { return fAppMenuBar; }

    // overridden operations
    XG_DECLARE_DISPATCH(XGAppSingleWindow)
    // Throws "Window not built" when no main window exists.
    void Run() override;
    virtual XGMenuBar* GetCurMenu();

    // message handlers
    long DoWindowCreate(long arg, void* data);    // 'crew'
    long DoWindowDestroy(long arg, void* data);   // 'desw'
    long DoPostPeriodic(long arg, void* data);    // 'post'

private:
    void InitApplication();
    void InitInstance();

    XGWindow* fAppWindow;
    XGMenuBar* fAppMenuBar;
};
