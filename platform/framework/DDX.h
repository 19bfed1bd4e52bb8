#pragma once
// Data exchange and validation routines, used inside DoDataExchange.
//
// DDX_Text moves a member to the control's text (UpdateData(FALSE)) or back (UpdateData(TRUE)).
// Writing leaves a control whose text is already equal untouched, so no change notification is
// sent for nothing. Reading parses the whole text, blanks around it allowed:
//   int, short, long: a decimal integer of the member's range, else "Please enter an integer.";
//   UINT (DWORD is the same type): a decimal integer from 0 up, else "Please enter a positive integer.";
//   BYTE: "Please enter an integer between 0 and 255.";
//   float, double: a decimal number (sign, digits, point, exponent; no "inf", "nan" or hexadecimal)
//   within the member's range, else "Please enter a number.";
//   CString: the text as it is.
// Numbers are shown with "%d", "%u", "%ld", "%lu", and "%.*g" with FLT_DIG (6) or DBL_DIG (15).
//
// DDV_ routines check the value just exchanged (only when reading):
//   DDV_MaxChars: "Please enter no more than %1 characters." (when writing it limits the edit);
//   DDV_MinMaxInt / Long / Short: "Please enter an integer between %1 and %2." (bounds with "%ld");
//   DDV_MinMaxUInt / DWord / Byte: the same with "%lu";
//   DDV_MinMaxFloat / Double: "Please enter a number between %1 and %2." (bounds with "%.*g").
// Each prompt is a message box with MB_ICONEXCLAMATION, shown once, then CDataExchange::Fail.
//
// DDX_Check exchanges a check box's state (0, 1 or 2; another member value is shown as unchecked).
// DDX_Radio exchanges the index of the checked button of the group starting at the given control
// (-1 when none is checked). DDX_Control attaches a framework object to the control by
// subclassing, the first time only.

#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CDataExchange;
class CWnd;

void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, short& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, BYTE& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// Combo boxes. DDX_CBString writes by selecting the first item that starts with the value (ignoring
// case); when none does, the value becomes the edit text of a drop-down (a drop-down list keeps its
// selection). DDX_CBStringExact selects the item equal to the value instead. Both read the combo's
// text: a drop-down's edit text, a drop-down list's selected item (empty with none). DDX_CBIndex
// exchanges the index of the selection (-1 for none). A number exchanged as a combo box's text is
// DDX_Text on the combo box: written as its text, read back from its text.
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& value);

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue);
void DDV_MinMaxShort(CDataExchange* dx, short value, short minValue, short maxValue);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);
void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minValue, DWORD maxValue);
void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE minValue, BYTE maxValue);
void DDV_MinMaxFloat(CDataExchange* dx, float value, float minValue, float maxValue);
void DDV_MinMaxDouble(CDataExchange* dx, double value, double minValue, double maxValue);
