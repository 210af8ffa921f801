// What the built launcher carries for Windows and Explorer, read out of the
// program file itself: its manifest, its icon and its version texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>

namespace {

// The build passes the launcher as a host path; Wine shows the host's root
// as drive Z:.
const char kLauncher[] = "Z:" HALCYRA_LAUNCHER;

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colors;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

class LauncherFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        fModule = LoadLibraryExA(kLauncher, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(fModule, nullptr) << kLauncher;
    }
    void TearDown() override
    {
        if (fModule)
            FreeLibrary(fModule);
    }

    std::string Resource(LPCSTR name, LPCSTR type)
    {
        HRSRC found = FindResourceA(fModule, name, type);
        if (!found)
            return std::string();
        HGLOBAL loaded = LoadResource(fModule, found);
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        return bytes ? std::string(bytes, SizeofResource(fModule, found)) : std::string();
    }

    // The sizes of an icon group's images, each square, 32-bit and whole.
    std::set<int> IconSizes(LPCSTR name)
    {
        std::string group = Resource(name, MAKEINTRESOURCEA(14));
        std::set<int> sizes;
        if (group.size() < 6) {
            ADD_FAILURE() << "no icon group " << name;
            return sizes;
        }
        const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
        EXPECT_EQ(group.size(), 6 + count * sizeof(IconGroupEntry));
        for (WORD i = 0; i < count && 6 + (i + 1) * sizeof(IconGroupEntry) <= group.size(); i++) {
            const auto* entry = reinterpret_cast<const IconGroupEntry*>(group.data() + 6 + i * sizeof(IconGroupEntry));
            EXPECT_EQ(entry->width, entry->height);
            EXPECT_EQ(entry->bitCount, 32);
            EXPECT_EQ(Resource(MAKEINTRESOURCEA(entry->id), MAKEINTRESOURCEA(3)).size(), entry->bytes);
            sizes.insert(entry->width);
        }
        return sizes;
    }

    HMODULE fModule = nullptr;
};

// The value of attribute in the first element of that name, or "(missing)".
std::string Attribute(const std::string& xml, const std::string& element, const std::string& attribute)
{
    size_t start = xml.find("<" + element);
    if (start == std::string::npos)
        return "(missing)";
    size_t end = xml.find('>', start);
    size_t at = xml.find(" " + attribute + "=\"", start);
    if (at == std::string::npos || at > end)
        return "(missing)";
    at += attribute.size() + 3;
    return xml.substr(at, xml.find('"', at) - at);
}

TEST_F(LauncherFile, ManifestAsksForNoElevation)
{
    std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_FALSE(manifest.empty());
    EXPECT_EQ(Attribute(manifest, "requestedExecutionLevel", "level"), "asInvoker");
    EXPECT_EQ(Attribute(manifest, "requestedExecutionLevel", "uiAccess"), "false");
}

TEST_F(LauncherFile, ManifestNamesEveryWindowsFromVistaOnAndCommonControlsSix)
{
    std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    const char* const systems[] = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    for (const char* id : systems)
        EXPECT_NE(manifest.find("<supportedOS Id=\"" + std::string(id) + "\"/>"), std::string::npos) << id;

    size_t controls = manifest.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, std::string::npos);
    std::string identity = manifest.substr(manifest.rfind('<', controls));
    EXPECT_EQ(Attribute(identity, "assemblyIdentity", "version"), "6.0.0.0");
    EXPECT_EQ(Attribute(identity, "assemblyIdentity", "publicKeyToken"), "6595b64144ccf1df");

    // Left to Windows' scaling of the whole fixed-size window, and said
    // outright: the framework lays out at 96 only what its manifest keeps
    // unaware.
    size_t aware = manifest.find("<dpiAware ");
    ASSERT_NE(aware, std::string::npos);
    EXPECT_EQ(manifest.substr(manifest.find('>', aware) + 1, 5), "false");
    EXPECT_EQ(manifest.find("<dpiAwareness"), std::string::npos);
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    auto* first = reinterpret_cast<std::string*>(param);
    *first = IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(name)) : name;
    return FALSE;
}


TEST_F(LauncherFile, FirstIconIsTheFrameworksAppIconIn16And32And48Pixels)
{
    // Explorer shows the first icon group of the file; the window classes load "AppIcon".
    std::string first;
    EnumResourceNamesA(fModule, MAKEINTRESOURCEA(14), TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(first, "APPICON");
    EXPECT_EQ(IconSizes("AppIcon"), (std::set<int>{16, 32, 48}));
}

// The window classes load "AppIconSmall" at 16 pixels; without it the system
// scales the large one down for each class, costing start-up time.
TEST_F(LauncherFile, SmallIconIsTheSixteenPixelImageAlone)
{
    EXPECT_EQ(IconSizes("AppIconSmall"), (std::set<int>{16}));
}

TEST(LauncherVersion, NamesProductCompanyAndDescriptionAndKeepsFileVersionOnePointOne)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(kLauncher, &ignored);
    ASSERT_GT(size, 0u);
    std::string info(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(kLauncher, 0, size, &info[0]));
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {"FileVersion", "1.1"},
        {"ProductVersion", "1.1"},
        {"ProductName", "Halcyra Screen Savers"},
        {"CompanyName", "Halcyra International"},
        {"FileDescription", "Halcyra screen saver setup"},
        {"OriginalFilename", "halcyra.exe"},
    };
    for (const auto& e : expected) {
        std::string path = std::string("\\StringFileInfo\\040904B0\\") + e.key;
        char* value = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(&info[0], path.c_str(), reinterpret_cast<void**>(&value), &length)) << e.key;
        EXPECT_STREQ(value, e.value) << e.key;
    }
}

}
