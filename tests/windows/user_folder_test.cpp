// The shared user data folder on Windows: where it is, who may write it, and
// the crash-safe settings write through paths outside ASCII.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <aclapi.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include <cstdio>
#include <fstream>

#include "app/user_folder.h"
#include "platform/windows/users_access.h"
#include "windows_test_support.h"

namespace {

std::string ProgramData() {
    PWSTR folder = nullptr;
    EXPECT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &folder)));
    const std::u8string text = std::filesystem::path(folder).u8string();
    CoTaskMemFree(folder);
    return std::string(text.begin(), text.end());
}

struct UsersEntries {
    int count = 0;      // access-allowed entries for the local Users group
    DWORD mask = 0;     // their rights together
    BYTE flags = 0;     // their inheritance flags together
    bool read = false;  // the list could be read at all
};

// The access-allowed entries for the local Users group (S-1-5-32-545) in acl.
UsersEntries FindUsersEntries(PACL acl) {
    UsersEntries found;
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID users = nullptr;
    AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_USERS, 0,
                             0, 0, 0, 0, 0, &users);
    ACL_SIZE_INFORMATION size{};
    found.read =
        acl != nullptr && GetAclInformation(acl, &size, sizeof(size), AclSizeInformation) != 0;
    for (DWORD i = 0; found.read && i < size.AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(acl, i, &ace)) {
            continue;
        }
        const auto* header = static_cast<const ACE_HEADER*>(ace);
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        if (header->AceType == ACCESS_ALLOWED_ACE_TYPE && EqualSid(&allowed->SidStart, users)) {
            ++found.count;
            found.mask |= allowed->Mask;
            found.flags |= header->AceFlags;
        }
    }
    FreeSid(users);
    return found;
}

void ExpectOneInheritableFullAccessEntry(const UsersEntries& entries) {
    ASSERT_TRUE(entries.read);
    EXPECT_EQ(entries.count, 1);
    EXPECT_EQ(entries.mask & FILE_ALL_ACCESS, static_cast<DWORD>(FILE_ALL_ACCESS));
    const BYTE inherit = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    EXPECT_EQ(entries.flags & inherit, inherit);
}

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace

TEST(WindowsUserFolder, IsTheCommonApplicationDataFolderUnlessReplaced) {
    const std::string programData = ProgramData();
    ASSERT_FALSE(programData.empty());
    EXPECT_EQ(GetSpecialFolder(SPECIAL_FOLDER_COMMON_APPDATA), programData + "\\");
    _putenv_s("TESSALUNE_DATA_DIR", "");
    EXPECT_EQ(SettingsFolder("Tessalune/"), programData + "\\Tessalune/");
    NonAsciiUserFolder replaced;
    EXPECT_EQ(SettingsFolder("Tessalune/"), replaced.Utf8());
}

// Wine accepts a folder's new access list but keeps none: it reports one made
// from the Unix file mode. There only the list built for the folder can be read
// back; Windows keeps the folder's own.
TEST(WindowsUserFolder, UsersGroupGetsOneInheritableFullAccessEntry) {
    NonAsciiUserFolder base;
    const std::string folder = base.Utf8() + "Tessalune-ÄÖÜ";
    ASSERT_TRUE(CreateDirectoryW(WidePath(folder).c_str(), nullptr));
    PACL oldAcl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(
        GetNamedSecurityInfoW(WidePath(folder).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &oldAcl, nullptr, &descriptor),
        static_cast<DWORD>(ERROR_SUCCESS));
    PACL built = nullptr;
    ASSERT_EQ(AddUsersFullAccess(oldAcl, &built), static_cast<DWORD>(ERROR_SUCCESS));
    ExpectOneInheritableFullAccessEntry(FindUsersEntries(built));
    LocalFree(built);
    LocalFree(descriptor);

    ASSERT_TRUE(GrantUsersFullAccess(folder));
    EXPECT_FALSE(GrantUsersFullAccess(base.Utf8() + "missing"));
    if (UnderWine()) {
        std::printf("wine keeps no access list: the folder's own is not read back\n");
        return;
    }
    ASSERT_EQ(
        GetNamedSecurityInfoW(WidePath(folder).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &oldAcl, nullptr, &descriptor),
        static_cast<DWORD>(ERROR_SUCCESS));
    ExpectOneInheritableFullAccessEntry(FindUsersEntries(oldAcl));
    LocalFree(descriptor);
}

TEST(WindowsUserFolder, SafeReplaceWorksInAFolderOutsideAscii) {
    NonAsciiUserFolder folder;
    const std::string path = folder.Utf8() + "app.dat";
    ASSERT_TRUE(ReplaceFileSafely(path, "first"));
    ASSERT_TRUE(ReplaceFileSafely(path, "second, longer"));
    std::ifstream in(std::filesystem::path(WidePath(path)), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "second, longer");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(WidePath(path + ".tmp"))));
}

TEST(WindowsUserFolder, SettingsFolderIsCreatedAndSettingsReadBack) {
    NonAsciiUserFolder base;
    const std::string nested = base.Utf8() + "Ünter/";
    SetEnvValue("TESSALUNE_DATA_DIR", nested);
    ASSERT_TRUE(PrepareSettingsFolder("Tessalune/"));
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(WidePath(nested))));
    StreamPtr out = CreateSettingsFile("Tessalune/", "probe.txt");
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Write("ok", 2), 2);
    CloseStream(out);
    StreamPtr in = OpenSettingsFile("Tessalune/", "probe.txt");
    ASSERT_TRUE(in);
    char bytes[2] = {};
    EXPECT_EQ(in->Read(bytes, 2), 2);
    EXPECT_EQ(std::string(bytes, 2), "ok");
}
