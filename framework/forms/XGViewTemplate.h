// Binds a view class to a class code: XGViewTemplate<XGStaticText>::Register(kClassStaticText).
#pragma once

#include <new>

#include "forms/XGViewFactory.h"

template <class T>
class XGViewTemplate {
public:
    static XGView* Constructor(XGView* parent, XGArgStream& stream)
    {
        T* view = new (std::nothrow) T(parent, stream);
        return view;
    }

    static void Register(long code) { XGViewFactory::Register(code, &Constructor); }
};
