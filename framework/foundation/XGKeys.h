// The keys and modifiers of the framework's key and mouse events, in one
// place. A 'keye' (and 'keym') argument carries the modifier word in its high
// 16 bits and the key in its low 16 bits; the key is a character, or with
// kModExtendedKey one of the framework's codes below.
#pragma once

// Modifier word bits (mouse and key events).
enum : unsigned short {
    kModShift = 0x0001,
    kModControl = 0x0002,
    kModAlt = 0x0008,
    kModLeftButton = 0x0010,
    kModRightButton = 0x0020,
    kModMiddleButton = 0x0040,
    kModDoubleClick = 0x1000,
    kModCaptured = 0x2000,
    kModQuickClick = 0x4000,
    kModExtendedKey = 0x8000
};

// Characters that the views treat as keys.
enum : unsigned short {
    kKeyBackspace = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D
};

// The framework's codes of the keys without a character (with kModExtendedKey).
enum : unsigned short {
    kKeyUp = 0x80,
    kKeyDown = 0x81,
    kKeyLeft = 0x82,
    kKeyRight = 0x83,
    kKeyInsert = 0x84,
    kKeyDelete = 0x85,
    kKeyHome = 0x86,
    kKeyEnd = 0x87,
    kKeyPageUp = 0x88,
    kKeyPageDown = 0x89,
    kKeyEscape = 0x8A,
    kKeyHelp = 0x8B,
    kKeyNumLock = 0x8C,
    kKeyF1 = 0xA0           // F1 to F15 follow in order
};

// Packs and unpacks a key event's argument.
inline long XGKeyArg(unsigned short modifiers, unsigned short key)
{
    return static_cast<long>((static_cast<unsigned long>(modifiers) << 16) | key);
}
inline unsigned short XGKeyModifiers(long arg)
{
    return static_cast<unsigned short>(static_cast<unsigned long>(arg) >> 16);
}
inline unsigned short XGKeyCode(long arg)
{
    return static_cast<unsigned short>(static_cast<unsigned long>(arg) & 0xFFFF);
}
// True for an extended key of the given code (an arrow, Escape...).
inline bool XGIsExtendedKey(long arg, unsigned short code)
{
    return (XGKeyModifiers(arg) & kModExtendedKey) && XGKeyCode(arg) == code;
}
// True for a character key (not extended) of the given character.
inline bool XGIsCharKey(long arg, unsigned short character)
{
    return !(XGKeyModifiers(arg) & kModExtendedKey) && XGKeyCode(arg) == character;
}
