#pragma once
// What the floors do with the names they read, in plain Win32 calls: the plain sort, and filling a
// bare platform list box with its redraw off, as the program fills its lists.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// CompareStringA at every step.
inline void SortIgnoringCase(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size())) == CSTR_LESS_THAN;
    });
}

// Adds the names in their order after the list's lines; false when the list refused one.
inline bool FillListBox(HWND list, const std::vector<std::string>& names) {
    size_t bytes = 0;
    for (const std::string& name : names) bytes += name.size() + 1;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, names.size(), bytes);
    bool added = true;
    for (const std::string& name : names)
        if (SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str())) < 0) added = false;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return added;
}

// Whether a name ends in ".gif" or ".jpg", in any letter case.
inline bool IsImageName(const std::string& name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const char* extension = name.c_str() + dot + 1;
    return lstrcmpiA(extension, "gif") == 0 || lstrcmpiA(extension, "jpg") == 0;
}
