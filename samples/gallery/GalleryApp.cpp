#include "GalleryApp.h"

#include "GalleryScrollBar.h"
#include "controls/XGCheckButton.h"
#include "controls/XGControlFields.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "controls/XGPicture.h"
#include "controls/XGScrollBar.h"
#include "controls/XGScrollView.h"
#include "dialogs/XGDialog.h"
#include "dispatch/XGMessages.h"
#include "foundation/XGStringList.h"
#include "forms/XGViewTemplate.h"
#include "forms/XGWindowFactory.h"

#include <new>
#include <string>

namespace {
const char* const kFruits[] = {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig", "Grape"};
}

// The framework's WinMain calls this once and runs what it returns.
XGAppCore* StartApplication()
{
    return new (std::nothrow) GalleryApp;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(GalleryApp, XGAppMultiWindow)
    XG_ON(kMsgOpenApplication, DoOpenApplication)
XG_END_DISPATCH()

// No title: a frame-less application whose only window is its own.
GalleryApp::GalleryApp() : XGAppMultiWindow(nullptr)
{
    RegisterClasses();
}

void GalleryApp::OpenCopyright() {}

void GalleryApp::RegisterClasses()
{
    // The framework registers the common classes; these few a program asks for.
    XGViewTemplate<XGCheckButton>::Register(kClassCheckButton);
    XGViewTemplate<XGPicture>::Register(kClassPicture);
    XGViewTemplate<XGScrollView>::Register(kClassScrollView);
    XGViewTemplate<GalleryScrollBar>::Register(XGCode("gbar"));
}

long GalleryApp::DoOpenApplication(long, void*)
{
    OpenGallery();
    return 0;
}

XGDialog* GalleryApp::OpenGallery()
{
    auto* dialog = dynamic_cast<XGDialog*>(XGWindowFactory::CreateFromResource(kWindowID, nullptr));
    if (!dialog)
        return nullptr;
    if (auto* list = dynamic_cast<XGListControl*>(dialog->FindViewByID(kList))) {
        for (const char* fruit : kFruits) {
            char selected = 0;
            list->GetList()->AppendString(fruit, &selected);
        }
        list->GetListView()->CalcResize();
        list->InvalView();
    }
    // A screen reader has no title to read for these two.
    if (XGView* icon = dialog->FindViewByID(kIcon))
        icon->SetAccessibleName("Document");
    if (XGView* picture = dialog->FindViewByID(kPicture))
        picture->SetAccessibleName("KEBO: hills under the sun");
    return XGDialog::CreateInit(dialog, WindowProc, nullptr);
}

long GalleryApp::WindowProc(XGDialog* dialog, void*, long msg, long arg, void* data)
{
    XGView* status = dialog->FindViewByID(kStatus);
    if (msg == kMsgControlClick && arg == kPushButton) {
        static int pushes = 0;
        ++pushes;
        status->SetTitle(("Pushed " + std::to_string(pushes) + (pushes == 1 ? " time" : " times")).c_str());
        return 0;
    }
    if (msg == kMsgControlClick && arg == kCheckBox) {
        // A check box leaves its toggling to the program.
        auto* box = dynamic_cast<XGCheckButton*>(dialog->FindViewByID(kCheckBox));
        if (box) {
            box->SetValue(box->GetValue() ? 0 : 1);
            status->SetTitle(box->GetValue() ? "Checked" : "Not checked");
        }
        return 0;
    }
    if (msg == kMsgSliderValue && arg == kScrollBar && data) {
        const auto* change = static_cast<const XGScrollValueRecord*>(data);
        status->SetTitle(("Scroll bar: " + std::to_string(change->newValue)).c_str());
        return 0;
    }
    // The program ends with its window.
    if (msg == kMsgDialog && arg == XGDialog::kDialogDestroy)
        PostQuitMessage(0);
    return -1;
}
