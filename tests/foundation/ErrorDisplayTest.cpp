// The posted-error path up to the alert. The procedure behind XGShowErrorAlert, the one
// place that turns an error into an alert (the dialogs run the built-in forms there), is
// a recorder here.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "foundation/XGErrorAlert.h"

namespace {

struct ShownAlert {
    XGAlertType type;
    std::string title;
    std::string message;
};

std::vector<ShownAlert> gShown;

} // namespace

static void RecordAlert(XGAlertType type, const char* title, const char* message)
{
    gShown.push_back({type, title, message});
}

TEST(XGPostErrorDisplay, ThrownErrorShowsItsTitleAndMessageAsErrorAlert)
{
    gShown.clear();
    XGSetErrorAlertProc(&RecordAlert);
    try {
        throw XGPostError(kErrNoViewFactory, 'pict');
    } catch (XGError& error) {
        error.DisplayError();
    }
    ASSERT_EQ(1u, gShown.size());
    EXPECT_EQ(kAlertError, gShown[0].type);
    EXPECT_EQ("Unable to create view", gShown[0].title);
    EXPECT_EQ("Internal software error: the view factory for 'pict' was not found.", gShown[0].message);
}

TEST(XGPostErrorDisplay, WarningAndErrorShowAtOnceAndReturn)
{
    gShown.clear();
    XGSetErrorAlertProc(&RecordAlert);
    Warning(kErrNoWindowFactory, 'dlog');
    Error(kErrRandomException);
    ASSERT_EQ(2u, gShown.size());
    EXPECT_EQ(kAlertWarning, gShown[0].type);
    EXPECT_EQ("Internal software error: The window factory for 'dlog' was not found.", gShown[0].message);
    EXPECT_EQ(kAlertError, gShown[1].type);
    EXPECT_EQ("Random exception caught", gShown[1].title);
}

TEST(XGPostErrorDisplay, LongPathReachesAlertCutTo255Characters)
{
    gShown.clear();
    XGSetErrorAlertProc(&RecordAlert);
    char path[MAX_PATH * 4];
    memset(path, 'd', sizeof path - 1);
    path[sizeof path - 1] = 0;
    Error(kErrFileCreate, path);
    ASSERT_EQ(1u, gShown.size());
    EXPECT_EQ(255u, gShown[0].message.size());
    EXPECT_EQ(0u, gShown[0].message.find("Unable to create file ddd"));
    EXPECT_EQ(511u, strlen(XGPostError::gLMessage));
}

TEST(XGPostErrorDisplay, CautionTypeIsPassedToAlert)
{
    gShown.clear();
    XGSetErrorAlertProc(&RecordAlert);
    XGPostError error(kErrFileOverwrite, "C:\\a.txt");
    error.SetAlertType(kAlertCaution);
    error.DisplayError();
    ASSERT_EQ(1u, gShown.size());
    EXPECT_EQ(kAlertCaution, gShown[0].type);
    EXPECT_EQ("The file C:\\a.txt already exists. Do you wish to replace it?", gShown[0].message);
}
