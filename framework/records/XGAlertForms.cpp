#include "records/XGAlertForms.h"

// Compiled from alerts/*.vres by xgvres into the generated XGAlertFormData.cpp.
extern const unsigned char _GErrorAlertForm[];
extern const long _GErrorAlertFormSize;
extern const unsigned char _GCautionAlertForm[];
extern const long _GCautionAlertFormSize;
extern const unsigned char _GWarningAlertForm[];
extern const long _GWarningAlertFormSize;

const unsigned char* XGAlertForms::Get(int alertType)
{
    switch (alertType) {
    case 1:
        return _GErrorAlertForm;
    case 2:
        return _GCautionAlertForm;
    case 3:
        return _GWarningAlertForm;
    }
    return nullptr;
}

long XGAlertForms::GetSize(int alertType)
{
    switch (alertType) {
    case 1:
        return _GErrorAlertFormSize;
    case 2:
        return _GCautionAlertFormSize;
    case 3:
        return _GWarningAlertFormSize;
    }
    return 0;
}
