#pragma once
// The common file dialog's flags and its parameter record, with the names and values of the
// documented Windows API (the single-byte forms). The dialog itself is played by the automation
// interface (Automation::ShowFileDialog); wrappers such as the audited file library's CFileDialogS
// fill an OPENFILENAME and hand it over.

#include "platform/framework/WinUser.h"

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_SHOWHELP = 0x00000010;
constexpr DWORD OFN_NOVALIDATE = 0x00000100;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_EXTENSIONDIFFERENT = 0x00000400;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
constexpr DWORD OFN_NOTESTFILECREATE = 0x00010000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

// The subset of the record that the file dialog reads and writes. Filters are pairs of
// "description\0pattern\0", ended by an empty string; lpstrFile receives the chosen full path.
struct OPENFILENAME {
    DWORD lStructSize = sizeof(OPENFILENAME);
    HWND hwndOwner = nullptr;
    LPCTSTR lpstrFilter = nullptr;
    DWORD nFilterIndex = 0;
    LPTSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPTSTR lpstrFileTitle = nullptr;
    DWORD nMaxFileTitle = 0;
    LPCTSTR lpstrInitialDir = nullptr;
    LPCTSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    WORD nFileOffset = 0;
    WORD nFileExtension = 0;
    LPCTSTR lpstrDefExt = nullptr;
};
using LPOPENFILENAME = OPENFILENAME*;
