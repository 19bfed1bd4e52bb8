#include "platform/tuning/CPatternFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include <sys/stat.h>

#include "platform/auditfile/AuditFile.h"

namespace {

constexpr std::string_view kTag = "PATTERN";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos)
            break;
        std::size_t stop = line.find_first_of(" \t", start);
        if (stop == std::string_view::npos)
            stop = line.size();
        fields.push_back(line.substr(start, stop - start));
        at = stop;
    }
    return fields;
}

// The whole field must be the number.
template <typename T>
bool Parse(std::string_view field, T& value)
{
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

bool IsCoordinate(double v)
{
    return std::isfinite(v) && std::fabs(v) <= CPatternFile::kMaxCoordinate;
}

bool IsLaserWidth(int width)
{
    return width >= CPatternFile::kMinLaserWidth && width <= CPatternFile::kMaxLaserWidth;
}

}  // namespace

CPatternFile::CPatternFile() = default;

CPatternFile::~CPatternFile() = default;

bool CPatternFile::Read(CString path)
{
    // Only regular files: a pipe would block the open, a device could stream forever.
    struct stat st {};
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    FILE* input = fopenS(path, "r");
    if (input == nullptr)
        return false;

    std::vector<PatternPoint> previous;
    previous.swap(m_points);
    m_input = input;
    m_lines = 0;
    m_tagSeen = false;
    m_readFailed = false;
    while (ReadLine()) {
    }
    bool ok = !m_readFailed && m_tagSeen && std::feof(input) && !std::ferror(input);
    fcloseS(input);
    m_input = nullptr;
    if (!ok)
        m_points.swap(previous);
    return ok;
}

bool CPatternFile::ReadLine()
{
    if (m_input == nullptr || m_readFailed)
        return false;
    auto fail = [this] {
        m_readFailed = true;
        return false;
    };

    // Room for the longest line, "\r\n" and the terminating zero.
    char buffer[kMaxLineLength + 3];
    std::memset(buffer, 'x', sizeof buffer);
    if (fgetsS(buffer, sizeof buffer, m_input) == nullptr) {
        if (std::ferror(m_input))
            m_readFailed = true;
        return false;
    }
    if (++m_lines > kMaxLines)
        return fail();
    // fgets ends what it read with one zero byte and the buffer was filled with non-zero bytes, so
    // the last zero byte marks the end; a zero before it came from the file.
    std::size_t length = sizeof buffer - 1;
    while (buffer[length] != '\0')
        --length;
    if (std::memchr(buffer, '\0', length) != nullptr)
        return fail();
    std::string_view line(buffer, length);
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    else if (!std::feof(m_input))
        return fail();  // longer than a line may be
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (m_lines == 1 && line.starts_with(kByteOrderMark))
        line.remove_prefix(kByteOrderMark.size());
    if (line.size() > static_cast<std::size_t>(kMaxLineLength))
        return fail();

    std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return true;
    if (!m_tagSeen) {
        std::vector<std::string_view> fields = Fields(line);
        int version = 0;
        if (fields.size() != 2 || fields[0] != kTag || !Parse(fields[1], version) || version != kVersion)
            return fail();
        m_tagSeen = true;
        return true;
    }
    return ParsePoint(line) || fail();
}

bool CPatternFile::ParsePoint(std::string_view line)
{
    std::vector<std::string_view> fields = Fields(line);
    PatternPoint point;
    if (fields.size() != 4 || !Parse(fields[0], point.dX) || !Parse(fields[1], point.dY) ||
        !Parse(fields[2], point.nLaserState) || !Parse(fields[3], point.nLaserWidth))
        return false;
    if (!IsCoordinate(point.dX) || !IsCoordinate(point.dY) || (point.nLaserState != 0 && point.nLaserState != 1) ||
        !IsLaserWidth(point.nLaserWidth) || GetNumberOfEntries() >= kMaxPoints)
        return false;
    m_points.push_back(point);
    return true;
}

bool CPatternFile::Write(CString path)
{
    if (GetNumberOfEntries() > kMaxPoints) {
        errno = EINVAL;
        return false;
    }
    m_output = std::string(kTag) + " " + std::to_string(kVersion) + "\n# x y laser width\n";
    bool ok = true;
    for (const PatternPoint& point : m_points) {
        if (!WriteLine(point)) {
            errno = EINVAL;
            ok = false;
            break;
        }
    }
    if (ok) {
        FILE* output = fopenS(path, "w");
        ok = output != nullptr;
        if (ok) {
            ok = fprintfS(output, "%s", m_output.c_str()) >= 0;
            ok = fcloseS(output) == 0 && ok;  // a failed save keeps the previous file
        }
    }
    std::string().swap(m_output);
    return ok;
}

bool CPatternFile::WriteLine(PatternPoint point)
{
    if (!IsCoordinate(point.dX) || !IsCoordinate(point.dY) || !IsLaserWidth(point.nLaserWidth))
        return false;
    char line[128];
    char* at = line;
    char* end = line + sizeof line;
    for (double v : {point.dX, point.dY}) {
        at = std::to_chars(at, end, v).ptr;
        *at++ = ' ';
    }
    *at++ = point.nLaserState != 0 ? '1' : '0';
    *at++ = ' ';
    at = std::to_chars(at, end, point.nLaserWidth).ptr;
    *at++ = '\n';
    m_output.append(line, static_cast<std::size_t>(at - line));
    return true;
}

void CPatternFile::AddLaserPoint(PatternPoint point)
{
    m_points.push_back(point);
}

int CPatternFile::GetNumberOfEntries() const
{
    return static_cast<int>(m_points.size());
}

double CPatternFile::GetXCoordinate(int index) const
{
    return index >= 0 && index < GetNumberOfEntries() ? m_points[static_cast<std::size_t>(index)].dX : 0.0;
}

double CPatternFile::GetYCoordinate(int index) const
{
    return index >= 0 && index < GetNumberOfEntries() ? m_points[static_cast<std::size_t>(index)].dY : 0.0;
}

int CPatternFile::GetLaserState(int index) const
{
    return index >= 0 && index < GetNumberOfEntries() ? m_points[static_cast<std::size_t>(index)].nLaserState : 0;
}

int CPatternFile::GetLaserWidth(int index) const
{
    return index >= 0 && index < GetNumberOfEntries() ? m_points[static_cast<std::size_t>(index)].nLaserWidth : 0;
}
