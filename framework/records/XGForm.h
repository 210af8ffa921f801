// The owner a window may be built for: a window passes the messages nobody in
// it handles to its form, and destroys the form with itself. No window of the
// launcher has one.
#pragma once

#include "dispatch/XGDispatch.h"

class XGForm : public XGDispatch {
public:
    // construction
    XGForm();
    ~XGForm() override;

    // dispatch
    XG_DECLARE_DISPATCH(XGForm)
};
