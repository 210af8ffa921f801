#pragma once
#include <gtest/gtest.h>
#include <string>
#include "foundation/XGError.h"

// Runs an action that must throw an XGPostError and returns the message it formatted
// ("" with a test failure when nothing or something else is thrown).
template <class Action>
std::string ThrownMessage(Action action)
{
    try {
        action();
    } catch (const XGPostError&) {
        return XGPostError::gLMessage;
    } catch (...) {
        ADD_FAILURE() << "threw something other than XGPostError";
        return "";
    }
    ADD_FAILURE() << "threw nothing";
    return "";
}

// The title of the last constructed posted error.
inline std::string LastTitle()
{
    return XGPostError::gSMessage;
}

// The framework's message table as the user must see it: index, title, message.
struct ExpectedMessage {
    int index;
    const char* title;
    const char* message;
};

extern const ExpectedMessage kExpectedMessages[23];
