#include "views/XGEventOwner.h"

#include "core/XGAppCore.h"

XGEventOwner::XGEventOwner(XGWindow* window)
{
    if (XGAppCore* app = XGAppCore::GetApplication())
        app->SetEventOwner(window);
}

XGEventOwner::~XGEventOwner()
{
    if (XGAppCore* app = XGAppCore::GetApplication())
        app->SetEventOwner(nullptr);
}
