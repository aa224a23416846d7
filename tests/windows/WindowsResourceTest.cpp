// Reads the game's Windows resources back out of this test program, which is
// built with the same resource script, the way Windows and Qt read them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kmq {
namespace {

std::wstring ThisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

// The version information as GetFileVersionInfo hands it to Explorer.
class VersionInfo : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring program = ThisProgram();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version information";
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, block_.data()));
    }

    template <typename T>
    const T* Query(const std::wstring& path, UINT& length) {
        void* value = nullptr;
        length = 0;
        if (!VerQueryValueW(block_.data(), path.c_str(), &value, &length)) return nullptr;
        return static_cast<const T*>(value);
    }

    std::wstring StringValue(const wchar_t* name) {
        UINT length = 0;
        const auto* value = Query<wchar_t>(StringTable() + name, length);
        if (value == nullptr) return L"(missing)";
        return std::wstring(value, wcsnlen(value, length));
    }

    // The string table named by the first translation, as Explorer picks it.
    std::wstring StringTable() {
        UINT length = 0;
        const auto* translation = Query<WORD>(L"\\VarFileInfo\\Translation", length);
        if (translation == nullptr || length < 2 * sizeof(WORD)) return L"\\StringFileInfo\\none\\";
        wchar_t name[9];
        swprintf(name, 9, L"%04x%04x", translation[0], translation[1]);
        return std::wstring(L"\\StringFileInfo\\") + name + L"\\";
    }

    static std::wstring ProjectVersion() {
        return std::to_wstring(KMQ_VERSION_MAJOR) + L"." + std::to_wstring(KMQ_VERSION_MINOR) + L"." +
               std::to_wstring(KMQ_VERSION_PATCH);
    }

private:
    std::vector<std::uint8_t> block_;
};

TEST_F(VersionInfo, NumbersAreTheProjectVersion) {
    UINT length = 0;
    const auto* fixed = Query<VS_FIXEDFILEINFO>(L"\\", length);
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD major = KMQ_VERSION_MAJOR, minor = KMQ_VERSION_MINOR, patch = KMQ_VERSION_PATCH;
    EXPECT_EQ(fixed->dwFileVersionMS, (major << 16) | minor);
    EXPECT_EQ(fixed->dwFileVersionLS, patch << 16);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(StringValue(L"FileVersion"), ProjectVersion());
    EXPECT_EQ(StringValue(L"ProductVersion"), ProjectVersion());
}

TEST_F(VersionInfo, TextsAreTraditionalChineseInUnicode) {
    UINT length = 0;
    const auto* translation = Query<WORD>(L"\\VarFileInfo\\Translation", length);
    ASSERT_NE(translation, nullptr);
    ASSERT_GE(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL));
    EXPECT_EQ(translation[1], 1200) << "Unicode code page";

    // Decoded from UTF-8: read in any other code page these come out garbled.
    EXPECT_EQ(StringValue(L"ProductName"), L"澄湖益智孔明棋");
    EXPECT_EQ(StringValue(L"FileDescription").rfind(L"澄湖益智孔明棋", 0), 0u);
    EXPECT_EQ(StringValue(L"OriginalFilename"), L"kongmingqi.exe");
    EXPECT_NE(StringValue(L"CompanyName"), L"(missing)");
    const std::wstring copyright = StringValue(L"LegalCopyright");
    EXPECT_NE(copyright.find(L"GPL-3.0-or-later"), std::wstring::npos) << "licence notice";
    EXPECT_EQ(copyright.rfind(L"©", 0), 0u);
}

// The icon group as stored in an .ico file and, with resource numbers in
// place of file offsets, in a program's resources.
#pragma pack(push, 2)
struct IconHeader {
    WORD reserved, type, count;
};
struct IconFileEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes, offset;
};
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::vector<char> ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ApplicationIcon, HoldsEveryImageOfTheArtworkIcon) {
    const std::vector<char> ico = ReadFile(KMQ_APP_ICON_FILE);
    ASSERT_GE(ico.size(), sizeof(IconHeader)) << KMQ_APP_ICON_FILE;
    IconHeader fileHeader;
    std::memcpy(&fileHeader, ico.data(), sizeof fileHeader);
    ASSERT_GT(fileHeader.count, 0);

    // Qt's Windows platform plugin and Explorer find it by this name.
    HRSRC group = FindResourceW(nullptr, L"IDI_ICON1", RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* resource = static_cast<const char*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_NE(resource, nullptr);
    IconHeader groupHeader;
    std::memcpy(&groupHeader, resource, sizeof groupHeader);
    ASSERT_EQ(groupHeader.count, fileHeader.count);

    for (WORD i = 0; i < fileHeader.count; ++i) {
        IconFileEntry fileEntry;
        std::memcpy(&fileEntry, ico.data() + sizeof(IconHeader) + i * sizeof(IconFileEntry),
                    sizeof fileEntry);
        IconGroupEntry groupEntry;
        std::memcpy(&groupEntry, resource + sizeof(IconHeader) + i * sizeof(IconGroupEntry),
                    sizeof groupEntry);
        SCOPED_TRACE(testing::Message() << "image " << i << ", " << int(fileEntry.width) << " pixels");
        EXPECT_EQ(groupEntry.width, fileEntry.width);
        EXPECT_EQ(groupEntry.height, fileEntry.height);
        ASSERT_EQ(groupEntry.bytes, fileEntry.bytes);
        ASSERT_LE(std::size_t{fileEntry.offset} + fileEntry.bytes, ico.size());

        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(groupEntry.id), RT_ICON);
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(SizeofResource(nullptr, image), fileEntry.bytes);
        const void* pixels = LockResource(LoadResource(nullptr, image));
        EXPECT_EQ(std::memcmp(pixels, ico.data() + fileEntry.offset, fileEntry.bytes), 0);
    }
}

TEST(ApplicationIcon, LoadsAsAWindowIcon) {
    for (const int size : {16, 32}) {
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr) << size << " pixels";
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP colour{};
        ASSERT_NE(info.hbmColor, nullptr);
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
    }
}

}  // namespace
}  // namespace kmq
