#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds version-information blocks in the 16-bit-character layout that the
// resource compiler writes: length, value length, type, key, padding, value,
// padding, children.
struct VersionBlock {
    std::string key;
    std::vector<uint8_t> value;
    uint16_t valueLength = 0;
    uint16_t type = 1;
    std::vector<VersionBlock> children;

    static VersionBlock String(const std::string& key, const std::string& text)
    {
        VersionBlock block;
        block.key = key;
        for (char c : text) {
            block.value.push_back(uint8_t(c));
            block.value.push_back(0);
        }
        block.value.push_back(0);
        block.value.push_back(0);
        block.valueLength = uint16_t(text.size() + 1);
        return block;
    }

    // A value given as UTF-16 units, for characters beyond ASCII.
    static VersionBlock Units(const std::string& key, const std::u16string& text)
    {
        VersionBlock block;
        block.key = key;
        for (char16_t unit : text) {
            block.value.push_back(uint8_t(unit & 0xFF));
            block.value.push_back(uint8_t(unit >> 8));
        }
        block.value.push_back(0);
        block.value.push_back(0);
        block.valueLength = uint16_t(text.size() + 1);
        return block;
    }

    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> out(6, 0);
        for (char c : key) {
            out.push_back(uint8_t(c));
            out.push_back(0);
        }
        out.push_back(0);
        out.push_back(0);
        Pad(out);
        out.insert(out.end(), value.begin(), value.end());
        for (const VersionBlock& child : children) {
            Pad(out);
            std::vector<uint8_t> bytes = child.Bytes();
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
        Put(out, 0, uint16_t(out.size()));
        Put(out, 2, valueLength);
        Put(out, 4, type);
        return out;
    }

    // The whole resource: root with its fixed information, the string file
    // information with one table, and the variable file information.
    static std::vector<uint8_t> Resource(const std::vector<VersionBlock>& strings)
    {
        VersionBlock table;
        table.key = "040904B0";
        table.children = strings;
        VersionBlock stringInfo;
        stringInfo.key = "StringFileInfo";
        stringInfo.children.push_back(table);
        VersionBlock translation;
        translation.key = "Translation";
        translation.type = 0;
        translation.value = {0x09, 0x04, 0xB0, 0x04};
        translation.valueLength = 4;
        VersionBlock varInfo;
        varInfo.key = "VarFileInfo";
        varInfo.children.push_back(translation);
        VersionBlock root;
        root.key = "VS_VERSION_INFO";
        root.type = 0;
        root.value.assign(52, 0xEE);
        root.valueLength = 52;
        root.children = {stringInfo, varInfo};
        return root.Bytes();
    }

private:
    static void Pad(std::vector<uint8_t>& out)
    {
        while (out.size() % 4)
            out.push_back(0);
    }
    static void Put(std::vector<uint8_t>& out, size_t at, uint16_t value)
    {
        out[at] = uint8_t(value);
        out[at + 1] = uint8_t(value >> 8);
    }
};
