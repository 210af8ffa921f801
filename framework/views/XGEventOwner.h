// Marks a framework window as the owner of the event being handled for the
// length of a scope. The end always leaves no owner, not an earlier one.
#pragma once

class XGWindow;

class XGEventOwner {
public:
    explicit XGEventOwner(XGWindow* window);
    ~XGEventOwner();

    XGEventOwner(const XGEventOwner&) = delete;
    XGEventOwner& operator=(const XGEventOwner&) = delete;
};
