// The compiled bytes of the program's own trees, pinned field by field.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "VresEncoder.h"
#include "VresText.h"
#include "records/XGAlertForms.h"
#include "records/XGArgStream.h"
#include "records/XGRecordWalker.h"

namespace {

std::vector<uint8_t> CompileSource(const std::string& relative)
{
    std::ifstream in(std::string(KEBO_SOURCE_ROOT) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << relative;
    std::ostringstream text;
    text << in.rdbuf();
    return vres::Encode(vres::Parse(text.str()));
}

struct ViewRecord {
    long at;
    int32_t next, child, length;
    long code;
    short id;
    bool locks[4];
    short offsets[4];
    bool visible, enabled, tabStop;
};

void ExpectView(const std::vector<uint8_t>& data, const ViewRecord& expected)
{
    SCOPED_TRACE("record at " + std::to_string(expected.at));
    const unsigned char* record = data.data() + expected.at;
    XGSRecordHeader header = XGRecordWalker::ReadHeader(record);
    EXPECT_EQ(header.fNext, expected.next);
    EXPECT_EQ(header.fChild, expected.child);
    EXPECT_EQ(header.fLength, expected.length);
    XGArgStream stream(record + 12, header.fLength + 4);
    EXPECT_EQ(stream.ReadInteger(), expected.code);
    EXPECT_EQ(stream.ReadInteger(), expected.id);
    EXPECT_EQ(stream.ReadInteger(), 0); // reference number
    for (bool lock : expected.locks)
        EXPECT_EQ(stream.ReadBoolean(), lock);
    for (short offset : expected.offsets)
        EXPECT_EQ(static_cast<short>(stream.ReadInteger()), offset);
    EXPECT_EQ(stream.ReadBoolean(), expected.visible);
    EXPECT_EQ(stream.ReadBoolean(), expected.enabled);
    EXPECT_EQ(stream.ReadBoolean(), expected.tabStop);
}

struct WindowRecord {
    int32_t child, length;
    short defaultWidth, defaultHeight;
    const char* title;
};

// The window fields of a 'dlog' as the start screen and the offer use them:
// kind 18, shown, automatic placement, only a default size.
void ExpectStartWindow(const std::vector<uint8_t>& data, const WindowRecord& expected)
{
    XGSRecordHeader header = XGRecordWalker::ReadHeader(data.data());
    EXPECT_EQ(header.fNext, 0);
    EXPECT_EQ(header.fChild, expected.child);
    EXPECT_EQ(header.fLength, expected.length);
    XGArgStream stream(data.data() + 12, header.fLength + 4);
    EXPECT_EQ(stream.ReadInteger(), 'dlog');
    EXPECT_EQ(stream.ReadInteger(), 18);
    EXPECT_EQ(stream.ReadInteger(), 0);
    EXPECT_TRUE(stream.ReadBoolean());
    long sizes[] = { 0, 0, 0, 0, 0, 0, 0, 0, expected.defaultWidth, expected.defaultHeight, 0, 0 };
    for (long size : sizes)
        EXPECT_EQ(stream.ReadInteger(), size);
    char title[256];
    stream.ReadString(title);
    EXPECT_STREQ(title, expected.title);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(stream.ReadInteger(), 0); // menu bar, default item, cancel item
    EXPECT_EQ(stream.GetLength(), 0);
}

TEST(VresFormat, StartScreenIs324BytesWithTheWorkedExampleFields)
{
    std::vector<uint8_t> data = CompileSource("app/vres/StartScreen.vres");
    ASSERT_EQ(data.size(), 324u);
    ExpectStartWindow(data, { 0x6C, 0x5C, 640, 480, "HalcyraInternational" });
    ViewRecord views[] = {
        { 0x6C, 0, 0x36, 0x26, 'view', 0, { true, true, true, true }, { 0, 0, 0, 0 }, true, true, false },
        { 0xA2, 0, 0x36, 0x26, 'hlp1', 0, { true, true, false, false }, { 0, 0, 640, 480 }, true, true, false },
        { 0xD8, 0x36, 0, 0x26, 'ptb1', 1, { true, true, false, false }, { 355, 402, 490, 457 }, false, true, false },
        { 0x10E, 0, 0, 0x26, 'ptb1', 2, { true, true, false, false }, { 504, 403, 640, 464 }, false, true, false },
    };
    for (const ViewRecord& view : views)
        ExpectView(data, view);
}

TEST(VresFormat, StartScreenDialogRecordMatchesByteForByte)
{
    std::vector<uint8_t> data = CompileSource("app/vres/StartScreen.vres");
    ASSERT_EQ(data.size(), 324u);
    std::vector<uint8_t> expected = {
        0, 0, 0, 0, 0, 0, 0, 0x6C, 0, 0, 0, 0x5C, 'd', 'l', 'o', 'g',
        0, 0, 0, 0x12, 0, 0, 0, 0, 0xFF, 0xFF };
    expected.resize(0x3A, 0);
    expected.insert(expected.end(), { 0, 0, 2, 0x80, 0, 0, 1, 0xE0, 0, 0, 0, 0, 0, 0, 0, 0, 0x14 });
    const char* title = "HalcyraInternational";
    expected.insert(expected.end(), title, title + 20);
    expected.push_back(0);
    expected.resize(0x6C, 0);
    EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 0x6C), expected);

    std::vector<uint8_t> install = {
        0, 0, 0, 0x36, 0, 0, 0, 0, 0, 0, 0, 0x26, 'p', 't', 'b', '1',
        0, 0, 0, 1, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,
        0, 0, 1, 0x63, 0, 0, 1, 0x92, 0, 0, 1, 0xEA, 0, 0, 1, 0xC9,
        0, 0, 0xFF, 0xFF, 0, 0 };
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + 0xD8, data.begin() + 0x10E), install);
}

TEST(VresFormat, QuickTimeOfferIs312BytesWithTheWorkedExampleFields)
{
    std::vector<uint8_t> data = CompileSource("app/vres/QuickTimeOffer.vres");
    ASSERT_EQ(data.size(), 312u);
    ExpectStartWindow(data, { 0x60, 0x50, 355, 456, "untitled" });
    ViewRecord views[] = {
        { 0x60, 0, 0x36, 0x26, 'view', 0, { true, true, false, false }, { 0, 0, 660, 476 }, true, true, true },
        { 0x96, 0, 0x36, 0x26, 'QTIn', 0, { true, true, false, false }, { 0, 0, 355, 480 }, true, true, true },
        { 0xCC, 0x36, 0, 0x26, 'ptb1', 6, { true, true, false, false }, { 238, 367, 350, 445 }, true, true, true },
        { 0x102, 0, 0, 0x26, 'ptb1', 5, { true, true, false, false }, { 120, 369, 233, 425 }, true, true, true },
    };
    for (const ViewRecord& view : views)
        ExpectView(data, view);
}

struct Button {
    short id;
    const char* title;
    short offsets[4];
};

struct AlertForm {
    int type;
    const char* title;
    int32_t dialogLength;
    short cancelItem;
    short icon;
    std::vector<Button> buttons;
};

TEST(VresFormat, AlertFormsHaveTheirRecordSizesSiblingOffsetsAndFields)
{
    AlertForm forms[] = {
        { 1, "Error", 0x4C, 0, 0, { { 100, "OK", { 254, 86, 322, 114 } } } },
        { 2, "Caution", 0x4E, 101, 2, { { 100, "OK", { 250, 86, 318, 114 } }, { 101, "Cancel", { 174, 86, 242, 114 } } } },
        { 3, "Warning", 0x4E, 0, 1, { { 100, "OK", { 248, 84, 314, 112 } } } },
    };
    for (const AlertForm& form : forms) {
        SCOPED_TRACE(form.title);
        const unsigned char* data = XGAlertForms::Get(form.type);
        ASSERT_NE(data, nullptr);
        long size = XGAlertForms::GetSize(form.type);
        EXPECT_EQ(XGRecordWalker::CheckTree(data, size).fFault, kRecordSound);

        XGSRecordHeader dialog = XGRecordWalker::ReadHeader(data);
        EXPECT_EQ(dialog.fLength, form.dialogLength);
        EXPECT_EQ(dialog.fChild, 16 + form.dialogLength);
        XGArgStream window(data + 12, dialog.fLength + 4);
        EXPECT_EQ(window.ReadInteger(), 'dlog');
        EXPECT_EQ(window.ReadInteger(), 18);
        EXPECT_EQ(window.ReadInteger(), 0);
        EXPECT_TRUE(window.ReadBoolean());
        for (int i = 0; i < 4; i++)
            EXPECT_EQ(window.ReadInteger(), 0);
        for (int i = 0; i < 4; i++) {
            EXPECT_EQ(window.ReadInteger(), 330);
            EXPECT_EQ(window.ReadInteger(), 118);
        }
        char text[256];
        window.ReadString(text);
        EXPECT_STREQ(text, form.title);
        EXPECT_EQ(window.ReadInteger(), 0);   // menu bar
        EXPECT_EQ(window.ReadInteger(), 100); // default item
        EXPECT_EQ(window.ReadInteger(), form.cancelItem);
        EXPECT_EQ(window.GetLength(), 0);

        const unsigned char* child = data + dialog.fChild;
        XGSRecordHeader icon = XGRecordWalker::ReadHeader(child);
        EXPECT_EQ(icon.fCode, 'icon');
        EXPECT_EQ(icon.fLength, 0x32);
        EXPECT_EQ(icon.fNext, 0x42);
        XGArgStream iconStream(child + 12 + 42, icon.fLength - 38);
        EXPECT_EQ(iconStream.ReadInteger(), form.icon);
        EXPECT_EQ(iconStream.ReadInteger(), 32);
        EXPECT_EQ(iconStream.ReadInteger(), 32);

        const char* placeholders[] = { "^0", "^1" };
        const short fonts[] = { 0, 1 };
        const short tops[] = { 14, 30 };
        for (int i = 0; i < 2; i++) {
            child += XGRecordWalker::ReadHeader(child).fNext;
            XGSRecordHeader label = XGRecordWalker::ReadHeader(child);
            EXPECT_EQ(label.fCode, 'text');
            EXPECT_EQ(label.fLength, 0x2E);
            EXPECT_EQ(label.fNext, 0x3E);
            XGArgStream stream(child + 12, label.fLength + 4);
            stream.ReadInteger();
            stream.ReadInteger();
            stream.ReadInteger();
            bool locks[] = { true, true, true, false };
            for (bool lock : locks)
                EXPECT_EQ(stream.ReadBoolean(), lock);
            EXPECT_EQ(stream.ReadInteger(), i == 0 ? 80 : 90);
            EXPECT_EQ(stream.ReadInteger(), tops[i]);
            EXPECT_EQ(static_cast<short>(stream.ReadInteger()), -14);
            EXPECT_EQ(stream.ReadInteger(), i == 0 ? 30 : 80);
            stream.ReadBoolean();
            stream.ReadBoolean();
            EXPECT_FALSE(stream.ReadBoolean());
            stream.ReadString(text);
            EXPECT_STREQ(text, placeholders[i]);
            EXPECT_EQ(stream.ReadInteger(), fonts[i]);
        }

        for (size_t b = 0; b < form.buttons.size(); b++) {
            child += XGRecordWalker::ReadHeader(child).fNext;
            const Button& expected = form.buttons[b];
            XGSRecordHeader button = XGRecordWalker::ReadHeader(child);
            EXPECT_EQ(button.fCode, 'pbtn');
            EXPECT_EQ(button.fLength, std::strlen(expected.title) == 2 ? 0x32 : 0x36);
            EXPECT_EQ(button.fNext, b + 1 < form.buttons.size() ? 0x42 : 0);
            XGArgStream stream(child + 12, button.fLength + 4);
            stream.ReadInteger();
            EXPECT_EQ(stream.ReadInteger(), expected.id);
            stream.ReadInteger();
            bool locks[] = { true, true, false, false };
            for (bool lock : locks)
                EXPECT_EQ(stream.ReadBoolean(), lock);
            for (short offset : expected.offsets)
                EXPECT_EQ(stream.ReadInteger(), offset);
            EXPECT_TRUE(stream.ReadBoolean());
            EXPECT_TRUE(stream.ReadBoolean());
            EXPECT_TRUE(stream.ReadBoolean());
            EXPECT_EQ(stream.ReadInteger(), 0); // font
            EXPECT_EQ(stream.ReadInteger(), 0); // ignored
            stream.ReadString(text);
            EXPECT_STREQ(text, expected.title);
            EXPECT_EQ(stream.GetLength(), 0);
        }
        EXPECT_EQ(child + 16 + XGRecordWalker::ReadHeader(child).fLength, data + size);
    }
    EXPECT_EQ(XGAlertForms::Get(0), nullptr);
    EXPECT_EQ(XGAlertForms::Get(4), nullptr);
}

} // namespace
