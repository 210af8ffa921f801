#include "VresSchema.h"

#include "core/XGClassFields.h"

namespace vres {

namespace {

std::vector<const XGSClassCatalogue*>& Catalogues()
{
    static std::vector<const XGSClassCatalogue*> catalogues = { &XGClassFields::gFramework };
    return catalogues;
}

Type TypeOf(XGFieldType type)
{
    switch (type) {
    case kFieldInteger:
        return Type::Integer;
    case kFieldBoolean:
        return Type::Boolean;
    case kFieldString:
        return Type::String;
    }
    return Type::Integer;
}

} // namespace

void AddClasses(const XGSClassCatalogue& catalogue)
{
    for (const XGSClassCatalogue* known : Catalogues()) {
        if (known == &catalogue)
            return;
    }
    Catalogues().push_back(&catalogue);
}

const XGSFieldList* ListOf(uint32_t code, bool window)
{
    // Codes are read as signed 32-bit Integers.
    long key = static_cast<int32_t>(code);
    for (const XGSClassCatalogue* catalogue : Catalogues()) {
        if (const XGSFieldList* list = XGFieldList::Find(*catalogue, key, window))
            return list;
    }
    return nullptr;
}

std::vector<FieldDef> FieldsOf(uint32_t code, bool window)
{
    const XGSFieldList* list = ListOf(code, window);
    if (!list)
        list = window ? &XGFieldList::gWindow : &XGFieldList::gView;
    std::vector<FieldDef> fields;
    for (int i = 0; i < XGFieldList::Size(*list); i++) {
        const XGSField& field = XGFieldList::At(*list, i);
        fields.push_back({ field.fName, TypeOf(field.fType), field.fCount });
    }
    return fields;
}

} // namespace vres
