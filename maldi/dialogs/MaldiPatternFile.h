#pragma once
// The laser pattern file of a MALDI scan function, as every window that edits one treats it: the
// default name, whether the operator may choose another, and the browse for one.
//
// On the MALDI/ESI instrument model the laser pattern is fixed: the host cannot set another name,
// and the pattern edit and its browse button are disabled.

#include "platform/framework/CString.h"

class CWnd;

class MaldiPatternFile {
public:
    static constexpr LPCTSTR kFilter = "Pattern File(*.ptn) | *.ptn||";
    static constexpr LPCTSTR kInitialFolder = ".";

    // The tuning library's default MALDI pattern file.
    static CString DefaultName();
    // False on the MALDI/ESI instrument model.
    static bool IsUserSelectable();
    // An Open dialog for ".ptn" files in the current folder, owned by the parent. On OK the chosen
    // full path goes into name and the answer is true; on Cancel name is left as it was.
    static bool Browse(CWnd* parent, CString& name);
};
