// The operating system calls of Windows. Paths arrive as UTF-8 and go through
// the wide API, so folders with any characters work.
#include "platform/system.h"

// clang-format off
#include <windows.h>
#include <aclapi.h>
#include <knownfolders.h>
#include <psapi.h>
#include <shlobj.h>
// clang-format on

#include <atomic>
#include <cstdlib>

#include "platform/windows/users_access.h"

namespace {

std::wstring Wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size > 0 ? size : 0, L'\0');
    if (size > 0) {
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                            size);
    }
    return wide;
}

std::string Narrow(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return "";
    }
    std::string narrow(size - 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::atomic<bool> endRequested{false};

// Runs on a thread of its own. Windows ends the process when this returns from
// a console's close event: it waits instead, while the game ends at its next
// frame and writes its settings; the game's exit ends the wait. (Logoff and
// shutdown events reach only programs without windows.)
BOOL WINAPI OnConsoleEvent(DWORD event) {
    endRequested = true;
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        Sleep(INFINITE);
    }
    return TRUE;
}

std::wstring& DebugLogPath() {
    static std::wstring path;
    return path;
}

}  // namespace

std::string CommonAppDataFolder() {
    PWSTR folder = nullptr;
    std::string path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &folder))) {
        path = Narrow(folder);
    }
    CoTaskMemFree(folder);
    return path.empty() ? "" : path + "\\";
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(Wide(path).c_str(), Wide(mode).c_str());
}

bool FlushFileToDisk(const std::string& path) {
    const HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool ok = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    return ok;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

DWORD AddUsersFullAccess(PACL oldAcl, PACL* newAcl) {
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID users = nullptr;
    if (!AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_USERS, 0, 0, 0, 0, 0, 0, &users)) {
        return GetLastError();
    }
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = FILE_ALL_ACCESS;
    access.grfAccessMode = GRANT_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(users);
    const DWORD status = SetEntriesInAclW(1, &access, oldAcl, newAcl);
    FreeSid(users);
    return status;
}

bool GrantUsersFullAccess(const std::string& path) {
    std::wstring wide = Wide(path);
    PACL oldAcl = nullptr;
    PACL newAcl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD status = GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                         nullptr, nullptr, &oldAcl, nullptr, &descriptor);
    if (status == ERROR_SUCCESS) {
        status = AddUsersFullAccess(oldAcl, &newAcl);
    }
    if (status == ERROR_SUCCESS) {
        status = SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                       nullptr, nullptr, newAcl, nullptr);
    }
    LocalFree(newAcl);
    LocalFree(descriptor);
    return status == ERROR_SUCCESS;
}

void WatchEndRequests() {
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool TakeEndRequest() {
    return endRequested.exchange(false);
}

void SetEnvValue(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
}

int ProcessId() {
    return static_cast<int>(GetCurrentProcessId());
}

double PeakResidentBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        return 0.0;
    }
    return static_cast<double>(counters.PeakWorkingSetSize);
}

void WriteDebugLine(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    OutputDebugStringW(Wide(line + "\n").c_str());
    if (DebugLogPath().empty()) {
        return;
    }
    std::FILE* file = _wfopen(DebugLogPath().c_str(), L"ab");
    if (file != nullptr) {
        std::fprintf(file, "%s\r\n", line.c_str());
        std::fclose(file);
    }
}

void SetDebugLogFolder(const std::string& folder) {
    DebugLogPath() = folder.empty() ? std::wstring() : Wide(folder + "debug.log");
}

void KeepGlLibrariesLoaded() {}
