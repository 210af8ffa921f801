// Binds a window class to a class code: XGWindowTemplate<XGDialog>::Register(kClassDialog).
#pragma once

#include <new>

#include "forms/XGWindowFactory.h"

template <class T>
class XGWindowTemplate {
public:
    static XGWindow* Constructor(XGArgStream& stream, XGForm* form)
    {
        T* window = new (std::nothrow) T(stream, form);
        return window;
    }

    static void Register(long code) { XGWindowFactory::Register(code, &Constructor); }
};
