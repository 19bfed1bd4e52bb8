#pragma once
// Edit box of the widget library that holds a number: the tool windows hand it a double with
// SetValue and it shows it. The text is the value printed with the box's format ("%.1f" unless
// SetFormat chose another printf format for one double); GetValue gives back the last value set,
// unrounded while the box still shows it, or, after the operator changed the text, the number the
// text starts with (0.0 when it starts with none).

#include "platform/framework/CEdit.h"

class CEditCtl : public CEdit {
    DECLARE_DYNAMIC(CEditCtl)
public:
    CEditCtl() = default;

    void SetValue(double value);
    double GetValue() const;
    // Only a format converting exactly one double is taken; any other keeps the current one.
    void SetFormat(LPCTSTR format);
    const CString& GetFormat() const { return m_strFormat; }

private:
    CString m_strFormat = "%.1f";
    double m_dValue = 0.0;
    CString m_strShown; // the text SetValue wrote: while the box still shows it, m_dValue is exact

};
