#pragma once
// String ids of the framework's own texts, held by the framework module at the end of the
// resource chain. The prompts are worded as the framework documents them; %1 and %2 are replaced
// by AfxFormatString1/2.

#include "platform/framework/WinTypes.h"

constexpr UINT AFX_IDP_PARSE_INT = 0xF110;          // "Please enter an integer."
constexpr UINT AFX_IDP_PARSE_REAL = 0xF111;         // "Please enter a number."
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 0xF112;    // "Please enter an integer between %1 and %2."
constexpr UINT AFX_IDP_PARSE_REAL_RANGE = 0xF113;   // "Please enter a number between %1 and %2."
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 0xF114;  // "Please enter no more than %1 characters."
constexpr UINT AFX_IDP_PARSE_BYTE = 0xF116;         // "Please enter an integer between 0 and 255."
constexpr UINT AFX_IDP_PARSE_UINT = 0xF117;         // "Please enter a positive integer."
