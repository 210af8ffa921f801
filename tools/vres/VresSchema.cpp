#include "VresSchema.h"

namespace vres {

namespace {

const FieldDef kWindowFields[] = {
    { "kind", Type::Integer, 1 },
    { "id", Type::Integer, 1 },
    { "show", Type::Boolean, 1 },
    { "rect", Type::Integer, 4 },
    { "min", Type::Integer, 2 },
    { "max", Type::Integer, 2 },
    { "default", Type::Integer, 2 },
    { "zoom", Type::Integer, 2 },
    { "title", Type::String, 1 },
    { "menubar", Type::Integer, 1 },
};

const FieldDef kViewFields[] = {
    { "id", Type::Integer, 1 },
    { "ref", Type::Integer, 1 },
    { "lock", Type::Boolean, 4 },
    { "offsets", Type::Integer, 4 },
    { "visible", Type::Boolean, 1 },
    { "enabled", Type::Boolean, 1 },
    { "tabstop", Type::Boolean, 1 },
};

struct ClassFields {
    uint32_t code;
    bool window;
    std::vector<FieldDef> fields;
};

const std::vector<ClassFields>& Classes()
{
    static const std::vector<ClassFields> classes = {
        { 'dlog', true, { { "defaultitem", Type::Integer, 1 }, { "cancelitem", Type::Integer, 1 } } },
        { 'text', false, { { "text", Type::String, 1 }, { "font", Type::Integer, 1 } } },
        { 'icon', false, { { "icon", Type::Integer, 1 }, { "size", Type::Integer, 2 } } },
        { 'pict', false, { { "picture", Type::Integer, 1 }, { "size", Type::Integer, 2 } } },
        { 'pbtn', false, { { "font", Type::Integer, 1 }, { "unusedvalue", Type::Integer, 1 }, { "title", Type::String, 1 } } },
        { 'chkb', false, { { "font", Type::Integer, 1 }, { "value", Type::Integer, 1 }, { "title", Type::String, 1 } } },
        { 'popm', false, { { "font", Type::Integer, 1 } } },
        { 'scrv', false, { { "hscroll", Type::Boolean, 1 }, { "vscroll", Type::Boolean, 1 }, { "sizebox", Type::Boolean, 1 } } },
        { 'list', false,
            { { "hscroll", Type::Boolean, 1 }, { "vscroll", Type::Boolean, 1 }, { "sizebox", Type::Boolean, 1 },
                { "multiple", Type::Boolean, 1 }, { "font", Type::Integer, 1 }, { "clickadds", Type::Boolean, 1 } } },
        { 'edit', false,
            { { "text", Type::String, 1 }, { "font", Type::Integer, 1 }, { "maxlength", Type::Integer, 1 },
                { "filter", Type::Integer, 1 }, { "password", Type::Boolean, 1 }, { "wordwrap", Type::Boolean, 1 },
                { "unusedflag", Type::Boolean, 1 }, { "nomargin", Type::Boolean, 1 },
                { "unusedvalue", Type::Integer, 1 }, { "multiline", Type::Boolean, 1 } } },
    };
    return classes;
}

} // namespace

std::vector<FieldDef> FieldsOf(uint32_t code, bool window)
{
    std::vector<FieldDef> fields;
    if (window)
        fields.assign(std::begin(kWindowFields), std::end(kWindowFields));
    else
        fields.assign(std::begin(kViewFields), std::end(kViewFields));
    for (const ClassFields& c : Classes()) {
        if (c.code == code && c.window == window)
            fields.insert(fields.end(), c.fields.begin(), c.fields.end());
    }
    return fields;
}

} // namespace vres
