#include "platform/framework/Diagnostics.h"

namespace {

std::vector<CString>& Channel()
{
    static std::vector<CString> reports;
    return reports;
}

} // namespace

void Diagnostics::Report(const CString& text)
{
    Channel().push_back(text);
}

const std::vector<CString>& Diagnostics::Reports()
{
    return Channel();
}

void Diagnostics::Clear()
{
    Channel().clear();
}
