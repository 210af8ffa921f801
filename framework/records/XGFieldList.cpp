#include "records/XGFieldList.h"

#include <iterator>

namespace {

const XGSField kViewFields[] = {
    { "id", kFieldInteger, 1 },
    { "ref", kFieldInteger, 1 },
    { "lock", kFieldBoolean, 4 },
    { "offsets", kFieldInteger, 4 },
    { "visible", kFieldBoolean, 1 },
    { "enabled", kFieldBoolean, 1 },
    { "tabstop", kFieldBoolean, 1 },
};

const XGSField kWindowFields[] = {
    { "kind", kFieldInteger, 1 },
    { "id", kFieldInteger, 1 },
    { "show", kFieldBoolean, 1 },
    { "rect", kFieldInteger, 4 },
    { "min", kFieldInteger, 2 },
    { "max", kFieldInteger, 2 },
    { "default", kFieldInteger, 2 },
    { "zoom", kFieldInteger, 2 },
    { "title", kFieldString, 1 },
    { "menubar", kFieldInteger, 1 },
};

} // namespace

const XGSFieldList XGFieldList::gView = { nullptr, kViewFields, int(std::size(kViewFields)) };
const XGSFieldList XGFieldList::gWindow = { nullptr, kWindowFields, int(std::size(kWindowFields)) };

bool XGFieldList::IsWindow(const XGSFieldList& list)
{
    const XGSFieldList* root = &list;
    while (root->fBase)
        root = root->fBase;
    return root == &gWindow;
}

int XGFieldList::Size(const XGSFieldList& list)
{
    return list.fCount + (list.fBase ? Size(*list.fBase) : 0);
}

const XGSField& XGFieldList::At(const XGSFieldList& list, int index)
{
    int before = list.fBase ? Size(*list.fBase) : 0;
    if (index < before)
        return At(*list.fBase, index);
    return list.fFields[index - before];
}

const XGSFieldList* XGFieldList::Find(const XGSClassCatalogue& catalogue, long code, bool window)
{
    for (int i = 0; i < catalogue.fCount; i++) {
        const XGSClassFields& entry = catalogue.fClasses[i];
        if (entry.fCode == code && IsWindow(*entry.fList) == window)
            return entry.fList;
    }
    return nullptr;
}
