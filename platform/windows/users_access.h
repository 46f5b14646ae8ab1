#pragma once
// The access entry GrantUsersFullAccess adds, apart from the folder it goes
// on, so that tests can read it back where Wine keeps no security descriptor.
// clang-format off
#include <windows.h>
#include <aclapi.h>
// clang-format on

// oldAcl plus one inheritable full-access entry for the local Users group,
// named by its well-known SID (S-1-5-32-545): the group's name differs from one
// language of Windows to the next. The result goes to LocalFree.
DWORD AddUsersFullAccess(PACL oldAcl, PACL* newAcl);
