// Reads the game's Windows resources back, the way Explorer and Qt do, out of
// this test program, which is built with the same resource script.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kmq {
namespace {

// A value of the version information, as GetFileVersionInfo hands it to
// Explorer; null if there is none.
template <typename T>
const T* Query(const std::wstring& path) {
    static const std::vector<char> block = [] {
        wchar_t program[MAX_PATH];
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        const DWORD size = GetFileVersionInfoSizeW(program, nullptr);
        std::vector<char> bytes(size);
        if (size == 0 || !GetFileVersionInfoW(program, 0, size, bytes.data())) bytes.clear();
        return bytes;
    }();
    void* value = nullptr;
    UINT length = 0;
    if (block.empty() || !VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0)
        return nullptr;
    return static_cast<const T*>(value);
}

TEST(VersionInfo, CarriesTheProjectVersionAndTheChineseNames) {
    const auto* fixed = Query<VS_FIXEDFILEINFO>(L"\\");
    ASSERT_NE(fixed, nullptr) << "no version information";
    const DWORD major = KMQ_VERSION_MAJOR, minor = KMQ_VERSION_MINOR, patch = KMQ_VERSION_PATCH;
    EXPECT_EQ(fixed->dwFileVersionMS, (major << 16) | minor);
    EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    // Explorer takes the strings of the first translation.
    const auto* translation = Query<WORD>(L"\\VarFileInfo\\Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation[0], MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL));
    EXPECT_EQ(translation[1], 1200) << "Unicode";
    wchar_t table[32];
    swprintf(table, 32, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    const auto text = [&](const wchar_t* name) {
        const auto* value = Query<wchar_t>(table + std::wstring(name));
        return value ? std::wstring(value) : L"(missing " + std::wstring(name) + L")";
    };
    EXPECT_EQ(text(L"FileVersion"), L"" KMQ_PROJECT_VERSION);
    EXPECT_EQ(text(L"ProductVersion"), L"" KMQ_PROJECT_VERSION);
    // Read from UTF-8: in any other code page these come out garbled.
    EXPECT_EQ(text(L"ProductName"), L"" KMQ_TITLE);
    EXPECT_EQ(text(L"OriginalFilename"), L"" KMQ_PROGRAM ".exe");
    EXPECT_NE(text(L"LegalCopyright").find(L"GPL-3.0-or-later"), std::wstring::npos);
}

template <typename T>
T Field(const char* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

// An .ico file and a program's icon group share a 6-byte header ending in the
// image count; their entries are 16 bytes (size at 8, file offset at 12) and
// 14 bytes (resource number at 12).
TEST(ApplicationIcon, IsTheArtworkIconImageForImage) {
    std::ifstream file(KMQ_APP_ICON_FILE, std::ios::binary);
    const std::vector<char> ico{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_GE(ico.size(), 6u) << KMQ_APP_ICON_FILE;
    const WORD count = Field<WORD>(ico.data(), 4);
    ASSERT_GT(count, 0);
    ASSERT_GE(ico.size(), 6u + 16u * count);

    // Qt's Windows platform plugin takes IDI_ICON1 as every window's icon.
    HRSRC group = FindResourceW(nullptr, L"IDI_ICON1", RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const char*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_EQ(Field<WORD>(directory, 4), count);
    for (WORD i = 0; i < count; ++i) {
        const auto bytes = Field<DWORD>(ico.data(), 6 + 16 * i + 8);
        const auto offset = Field<DWORD>(ico.data(), 6 + 16 * i + 12);
        const auto id = Field<WORD>(directory, 6 + 14 * i + 12);
        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_NE(image, nullptr) << "image " << i;
        ASSERT_EQ(SizeofResource(nullptr, image), bytes) << "image " << i;
        ASSERT_LE(std::size_t{offset} + bytes, ico.size());
        EXPECT_EQ(std::memcmp(LockResource(LoadResource(nullptr, image)), ico.data() + offset, bytes), 0)
            << "image " << i;
    }
    EXPECT_NE(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, 32, 32, 0), nullptr);
}

}  // namespace
}  // namespace kmq
