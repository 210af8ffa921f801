// The owner a window may be built for. A window offers its init record to its
// form before the native window exists and passes unhandled messages to it.
#pragma once

#include "XGDispatch.h"

class XGForm : public XGDispatch {
public:
    // construction
    XGForm();
    ~XGForm() override;

    // virtual operations
    const _DispatchData* _GetDispatchTable() override;

protected:
    static const _DispatchData _TableData;
    static const _DispatchTable _Dispatch[];
};
