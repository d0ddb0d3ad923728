#pragma once
// The binding messages between a settings source and its bound controls, and the exception a bound
// control raises when its source cannot serve it.
//
// All six carry wParam 0, and no handler sets a result. A nonzero lParam of IM_SAVE or IM_SETDEFAULT
// (and of IM_REFRESH for the controls that honour it) is a section filter: the address of a
// std::string holding a section name; the control acts only when it equals its SectionName exactly.
// That address is good only while the sender waits, so a filtered message is always sent, never
// posted. The lParam of IM_ATTACH is the TIniSource* of the source that asks.
#include <windows.h>

#include "Exceptions.h"

constexpr UINT IM_SAVE = WM_USER + 800;          // 1824: write the value to the file
constexpr UINT IM_REFRESH = WM_USER + 801;       // 1825: read the value from the file and show it
constexpr UINT IM_SETDEFAULT = WM_USER + 802;    // 1826: show DefaultValue
constexpr UINT IM_ATTACH = WM_USER + 803;        // 1827: register again with the source in lParam
constexpr UINT IM_DETACH = WM_USER + 804;        // 1828: the source goes away
constexpr UINT IM_QUERYMODIFIED = WM_USER + 805; // 1829: tell the source if the value was changed

static_assert(IM_SAVE == 1824 && IM_QUERYMODIFIED == 1829);

inline bool IsIniBindingMessage(UINT msg) { return msg >= IM_SAVE && msg <= IM_QUERYMODIFIED; }

class EIllicitIniSourceOp : public Exception {
public:
    using Exception::Exception;
};
