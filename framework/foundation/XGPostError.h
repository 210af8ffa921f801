// XGError.h is included before the guard: it pulls in the whole family in dependency order.
#include "foundation/XGError.h"
#ifndef XGPOSTERROR_H
#define XGPOSTERROR_H
#include <cstdarg>
#include <cstdint>
#include <type_traits>
#include "foundation/XGTypes.h"

enum XGAlertType : uint8_t {
    kAlertError = 1,   // the "Error" alert
    kAlertCaution = 2, // the "Caution" alert, "OK" and "Cancel"
    kAlertWarning = 3, // the "Warning" alert
};

// Codes of the framework's own messages, EMSG 128: resource number in the high half,
// entry index in the low half.
enum : uint32_t {
    kErrOutOfMemory = 0x800000,
    kErrAssertion = 0x800001,
    kErrStringListOverflow = 0x800002,
    kErrStringListExtra = 0x800003,
    kErrPreferences = 0x800004,
    kErrThreadResources = 0x800005,
    kErrThreadUnsupported = 0x800006,
    kErrRandomException = 0x800007,
    kErrNoWindowFactory = 0x800008,
    kErrWindowNotBuilt = 0x800009,
    kErrWindowAlreadyBuilt = 0x80000A,
    kErrNoApplication = 0x80000B,
    kErrNoViewFactory = 0x80000C,
    kErrPrint = 0x80000D,
    kErrPrinterInit = 0x80000E,
    kErrFileOpen = 0x80000F,
    kErrFileCreate = 0x800010,
    kErrFileRead = 0x800011,
    kErrFileWrite = 0x800012,
    kErrFilePosition = 0x800013,
    kErrFileEnd = 0x800014,
    kErrFileMissing = 0x800015,
    kErrFileOverwrite = 0x800016,
};

// Codes of the messages the framework gained later, EMSG 129 (EMSG 128 keeps its entries).
enum : uint32_t {
    kErrWindowNotCreated = 0x810000, // the system's error number as argument 1
    kErrClipboard = 0x810001,
    kErrNoVresResource = 0x810002,      // the resource ID as argument 1
    kErrUnregisteredView = 0x810003,    // the class code as argument 1
    kErrUnregisteredWindow = 0x810004,  // the class code as argument 1
    kErrBadWindowKind = 0x810005,       // the kind word as argument 1
};

// Message arguments are pointer-sized: pointers keep all their bits, numbers and
// four-character codes are widened (the formatter uses their low 32 bits).
template <class T>
constexpr XGArg XGToArg(T value)
{
    if constexpr (std::is_null_pointer_v<T>) {
        return 0;
    } else if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<XGArg>(value);
    } else {
        static_assert(std::is_integral_v<T> || std::is_enum_v<T>, "message arguments are numbers or pointers");
        return static_cast<XGArg>(value);
    }
}

// Marks the constructor for callers that already hold a variable-argument list (whose
// arguments are XGArg values). A tag, because on Windows va_list is a plain char*, and a
// char* message argument must never be taken for an argument list.
struct XGArgList {
    va_list* list;
};

// An error shown to the user: an EMSG code formatted with its arguments. The texts live
// in the shared buffers below, so the object carries only its alert type and may be
// copied and thrown freely; constructing one overwrites the texts of every earlier one.
class XGPostError : public XGError {
public:
    static constexpr int kMaxArgs = 9;

    // construction
    template <class... A>
    explicit XGPostError(uint32_t code, A... args) : fAlertType(kAlertError)
    {
        static_assert(sizeof...(A) <= kMaxArgs, "at most nine message arguments");
        const XGArg values[kMaxArgs] = {XGToArg(args)...};
        Format(code, values, int(sizeof...(A)));
    }
    XGPostError(uint32_t code, XGArgList args);
    XGPostError(const XGPostError&) = default;
    XGPostError& operator=(const XGPostError&) = default;
    ~XGPostError() override;

    // operations
    void SetAlertType(XGAlertType type) { fAlertType = type; }
    XGAlertType GetAlertType() const { return fAlertType; }

    // XGError
    void DisplayError() const override;
    void GetShortError(char* buffer) const override;
    void GetLongError(char* buffer) const override; // cut to fit 256 bytes

    // shared state
    static char gSMessage[256]; // formatted title of the last constructed error
    static char gLMessage[512]; // formatted message of the last constructed error
    static bool gResult;        // true when the last caution alert was refused ("Cancel")

private:
    void Format(uint32_t code, const XGArg args[kMaxArgs], int count);

    XGAlertType fAlertType;
};

// Immediate reporting: show the message at once and return; nothing is thrown.
template <class... A>
void Error(uint32_t code, A... args)
{
    XGPostError error(code, args...);
    error.DisplayError();
}

template <class... A>
void Warning(uint32_t code, A... args)
{
    XGPostError error(code, args...);
    error.SetAlertType(kAlertWarning);
    error.DisplayError();
}

#endif
