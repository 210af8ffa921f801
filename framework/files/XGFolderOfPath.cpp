#include "files/XGDirectory.h"
#include <cstring>

void XGFolderOfPath(const char* path, char* folder, int size)
{
    if (size <= 0)
        return;
    size_t end = 0;
    for (size_t i = 0; path && path[i]; ++i) {
        if (path[i] == ':' || path[i] == '\\')
            end = i + 1;
    }
    if (end > static_cast<size_t>(size - 1))
        end = static_cast<size_t>(size - 1);
    if (end)
        memcpy(folder, path, end);
    folder[end] = 0;
}
