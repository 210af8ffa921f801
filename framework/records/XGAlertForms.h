// The three built-in alert forms ("Error", "Caution", "Warning"): VRES trees
// compiled at build time from alerts/*.vres into constant data.
#pragma once

class XGAlertForms {
public:
    // By alert type: 1 "Error", 2 "Caution", 3 "Warning"; null for any other.
    static const unsigned char* Get(int alertType);
    // The form's size in bytes; 0 for any other type.
    static long GetSize(int alertType);
};
