#include "NTGalleryWindow.h"

#include "controls/XGCheckButton.h"
#include "controls/XGListControl.h"
#include "controls/XGListView.h"
#include "dispatch/XGMessages.h"
#include "controls/XGPopControl.h"
#include "controls/XGScrollBar.h"
#include "controls/XGScrollView.h"
#include "foundation/XGStringList.h"
#include "forms/XGWindowFactory.h"
#include "views/XGDpiScale.h"
#include "views/XGDraw.h"

#include <cstdlib>
#include <string>

namespace {
const char* const kColours[] = {"Red", "Green", "Blue", "Yellow"};
const char* const kFruits[] = {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig", "Grape", "Kiwi"};
// The picture in the scroll view, larger than the view, in layout units.
const long kPictureWidth = 320;
const long kPictureHeight = 240;
}

// long Handler(long arg, void* data); -1 passes the message on.
XG_BEGIN_DISPATCH(NTGalleryWindow, XGWindow)
    XG_ON(kMsgControlClick, ControlClick)
    XG_ON(kMsgPopValue, PopUpValue)
    XG_ON(kMsgSliderValue, ScrollValue)
    XG_ON(kMsgListValue, ListClick)
    XG_ON(kMsgValidateText, CheckText)
XG_END_DISPATCH()

NTGalleryWindow::NTGalleryWindow(XGArgStream& stream, XGForm* form)
    : XGWindow(stream, form), fPushes(0)
{
}

NTGalleryWindow::~NTGalleryWindow() = default;

void NTGalleryWindow::DoDrawView(tagRECT area)
{
    XGDraw draw(this);
    draw.Draw3DRect(area, kRectFaceFill);
}

NTGalleryWindow* NTGalleryWindow::Show()
{
    for (XGWindow* window = XGWindow::gList; window; window = window->GetNext()) {
        if (auto* gallery = dynamic_cast<NTGalleryWindow*>(window)) {
            gallery->ShowWindow();
            gallery->SelectWindow();
            return gallery;
        }
    }
    auto* gallery = dynamic_cast<NTGalleryWindow*>(XGWindowFactory::CreateFromResource(kWindowID, nullptr));
    if (gallery)
        gallery->Fill();
    return gallery;
}

// What a record cannot say: the items of the pop-up and the list, and the
// scroll view's range over its picture.
void NTGalleryWindow::Fill()
{
    if (auto* popUp = dynamic_cast<XGPopControl*>(FindViewByID(kPopUp))) {
        for (const char* colour : kColours)
            popUp->GetItems().AppendString(colour);
        popUp->ReloadItems();
    }
    if (auto* list = dynamic_cast<XGListControl*>(FindViewByID(kList))) {
        for (const char* fruit : kFruits) {
            char selected = 0;
            list->GetList()->AppendString(fruit, &selected);
        }
        list->GetListView()->CalcResize();
        list->InvalView();
    }
    if (auto* scroller = dynamic_cast<XGScrollView*>(FindViewByID(kScrollView))) {
        tagRECT content = scroller->GetContentRect();
        SetPictureRange(content.right - content.left, content.bottom - content.top);
    }
}

void NTGalleryWindow::SetPictureRange(long contentWidth, long contentHeight)
{
    auto* scroller = dynamic_cast<XGScrollView*>(FindViewByID(kScrollView));
    if (!scroller)
        return;
    long step = scroller->GetPixelStep() > 0 ? scroller->GetPixelStep() : 1;
    // GetDpi() is the new one already while the window hears of a change.
    long h = (XGDpiScale::Scale(kPictureWidth, GetDpi()) - contentWidth + step - 1) / step;
    long v = (XGDpiScale::Scale(kPictureHeight, GetDpi()) - contentHeight + step - 1) / step;
    scroller->SetMaxValue(h > 0 ? h : 0, v > 0 ? v : 0);
}

// Heard before the tree is placed again: the content area it will have is
// the present one at the new scale.
void NTGalleryWindow::DoDpiChanged(int oldDpi, int newDpi)
{
    XGWindow::DoDpiChanged(oldDpi, newDpi);
    if (auto* scroller = dynamic_cast<XGScrollView*>(FindViewByID(kScrollView))) {
        tagRECT content = XGDpiScale::RescaleRect(scroller->GetContentRect(), oldDpi, newDpi);
        SetPictureRange(content.right - content.left, content.bottom - content.top);
    }
}

void NTGalleryWindow::SetText(short viewID, const char* text)
{
    if (XGView* view = FindViewByID(viewID))
        view->SetTitle(text);
}

long NTGalleryWindow::ControlClick(long viewID, void*)
{
    if (viewID == kPushButton) {
        ++fPushes;
        SetText(kPushText, ("Pushed " + std::to_string(fPushes) + (fPushes == 1 ? " time" : " times")).c_str());
        return 0;
    }
    if (viewID == kCheckBox) {
        auto* box = dynamic_cast<XGCheckButton*>(FindViewByID(kCheckBox));
        XGView* popUp = FindViewByID(kPopUp);
        if (!box || !popUp)
            return 0;
        // A check box leaves its toggling to the program.
        bool on = box->GetValue() != 1;
        box->SetValue(on ? 1 : 0);
        popUp->EnableView(on);
        SetText(kPopUpText, on ? "The pop-up is enabled" : "The pop-up is disabled");
        return 0;
    }
    return -1;
}

long NTGalleryWindow::PopUpValue(long viewID, void*)
{
    auto* popUp = dynamic_cast<XGPopControl*>(FindViewByID(short(viewID)));
    if (viewID != kPopUp || !popUp)
        return -1;
    long value = popUp->GetValue();
    const long count = long(sizeof kColours / sizeof kColours[0]);
    SetText(kPopUpText, (std::string("Colour: ") + (value >= 0 && value < count ? kColours[value] : "?")).c_str());
    return 0;
}

long NTGalleryWindow::ScrollValue(long viewID, void* data)
{
    if (viewID != kScrollBar || !data)
        return -1;
    const XGScrollValueRecord* change = static_cast<const XGScrollValueRecord*>(data);
    SetText(kScrollText, ("Scroll bar: " + std::to_string(change->newValue)).c_str());
    return 0;
}

long NTGalleryWindow::ListClick(long viewID, void*)
{
    if (viewID != kList)
        return -1;
    ShowListSelection();
    return 0;
}

void NTGalleryWindow::ShowListSelection()
{
    auto* list = dynamic_cast<XGListControl*>(FindViewByID(kList));
    if (!list)
        return;
    std::string chosen;
    for (long i = 0; i < list->Length(); ++i) {
        if (!list->GetSelect(i))
            continue;
        char item[256];
        list->GetItem(i, item);
        chosen += (chosen.empty() ? "" : ", ") + std::string(item);
    }
    SetText(kListText, ("Selected: " + (chosen.empty() ? std::string("nothing") : chosen)).c_str());
}

// The number field takes digits only (its filter) and at most three of them
// (its length limit); its value is validated here: a change that would take
// it above 255 is refused and the field keeps its text.
long NTGalleryWindow::CheckText(long viewID, void* data)
{
    if (viewID != kByteField || !data)
        return -1;
    const char* text = static_cast<const char*>(data);
    long value = std::strtol(text, nullptr, 10);
    if (value > 255) {
        SetText(kByteText, (std::string(text) + " is above 255: refused").c_str());
        return 1;
    }
    SetText(kByteText, *text ? ("Accepted: " + std::string(text)).c_str() : "Type a number from 0 to 255");
    return 0;
}
