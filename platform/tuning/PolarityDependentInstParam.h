#pragma once
// An instrument parameter whose property differs with the ion polarity: the property symbol used in
// positive mode and the one used in negative mode. The acquisition panels hand it, untouched, to the
// tune page that binds an edit box to the instrument.

#include "platform/framework/CString.h"

struct PolarityDependentInstParam {
    CString strPositive;
    CString strNegative;

    const CString& Symbol(bool negativePolarity) const { return negativePolarity ? strNegative : strPositive; }
};
