// Any bytes as a class field table: parsed, or refused with vres::Error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "VresFieldTable.h"
#include "VresModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        vres::FieldTable table = vres::FieldTable::Parse(std::string(reinterpret_cast<const char*>(data), size));
        const XGSClassCatalogue& catalogue = table.Catalogue();
        for (int i = 0; i < catalogue.fCount; i++) {
            const XGSFieldList& list = *catalogue.fClasses[i].fList;
            for (int f = 0; f < XGFieldList::Size(list); f++)
                (void)XGFieldList::At(list, f).fName[0];
        }
    } catch (const vres::Error&) {
    }
    return 0;
}
