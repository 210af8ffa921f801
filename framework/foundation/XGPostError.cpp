#include "foundation/XGPostError.h"
#include <cstring>
#include "foundation/XGErrorAlert.h"
#include "foundation/XGResource.h"

char XGPostError::gSMessage[256];
char XGPostError::gLMessage[512];
bool XGPostError::gResult = false;

XGPostError::XGPostError(uint32_t code, XGArgList args) : fAlertType(kAlertError)
{
    // The list can be read only once, and only as far as the texts use it: look the
    // entry up first, then read what its templates need.
    char title[256];
    char message[256];
    if (!GetResourceMessage(int16_t(code >> 16), int16_t(code & 0xFFFF), title, message))
        title[0] = message[0] = 0;
    int titleCount = XGFormatArgCount(title);
    int messageCount = XGFormatArgCount(message);
    int count = titleCount > messageCount ? titleCount : messageCount;
    XGArg values[kMaxArgs] = {};
    for (int i = 0; i < count; ++i)
        values[i] = va_arg(*args.list, XGArg);
    XGFormat(gSMessage, sizeof gSMessage, title, values, count);
    XGFormat(gLMessage, sizeof gLMessage, message, values, count);
}

XGPostError::~XGPostError() = default;

void XGPostError::Format(uint32_t code, const XGArg args[kMaxArgs], int count)
{
    // A code naming no entry leaves both texts empty. Both texts are cut at their
    // buffer's end, so a long argument (a path) cannot write past the shared buffers.
    char title[256];
    char message[256];
    if (!GetResourceMessage(int16_t(code >> 16), int16_t(code & 0xFFFF), title, message))
        title[0] = message[0] = 0;
    XGFormat(gSMessage, sizeof gSMessage, title, args, count);
    XGFormat(gLMessage, sizeof gLMessage, message, args, count);
}

void XGPostError::GetShortError(char* buffer) const
{
    memcpy(buffer, gSMessage, sizeof gSMessage);
    buffer[255] = 0;
}

void XGPostError::GetLongError(char* buffer) const
{
    // The message buffer is 512 bytes, the caller's 256: cut, never overrun.
    size_t length = 0;
    while (length < 255 && gLMessage[length])
        ++length;
    memcpy(buffer, gLMessage, length);
    buffer[length] = 0;
}

void XGPostError::DisplayError() const
{
    char title[256];
    char message[256];
    GetShortError(title);
    GetLongError(message);
    XGShowErrorAlert(fAlertType, title, message);
}
