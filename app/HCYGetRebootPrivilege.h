#pragma once

// Enables the shutdown privilege in the process's access token. Nothing in the
// launcher asks Windows to shut down; the privilege is left for the installers
// it started.
class HCYGetRebootPrivilege {
public:
    // construction
    HCYGetRebootPrivilege();
    virtual ~HCYGetRebootPrivilege();
};
