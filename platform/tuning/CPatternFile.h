#pragma once
// Reader and writer of laser pattern files (".ptn"): an ordered list of PatternPoint.
//
// The file is text, one point per line:
//
//   PATTERN 1
//   # x y laser width
//   -0.5 -0.5 0 4
//   0.5 -0.5 1 4
//
// The first line that is not blank or a comment is the format tag and version, "PATTERN 1". Each
// following line is x and y (decimal numbers in well coordinates, |value| <= kMaxCoordinate: any
// whole pixel of an int at one pixel per well unit), laser state (0 or 1) and laser width
// (-32768 .. 32767: every width the pattern control and the editor hold), separated by spaces
// or tabs. Lines whose first non-blank character is '#' and blank lines are ignored anywhere; a
// line may end in "\r\n", and a UTF-8 byte-order mark before the first line is skipped. Write
// produces exactly this layout, with the shortest decimal that reads back to the same double.
//
// Read accepts the whole file or nothing: a missing file, a missing or newer tag, a malformed or
// out-of-range field, a zero byte, a line longer than kMaxLineLength, more than kMaxLines lines or
// more than kMaxPoints points make it return false with the points it had before the call. A file
// with the tag and no point is a valid, empty pattern.
//
// Write refuses (false, errno EINVAL, file untouched) points that Read would refuse: non-finite or
// out-of-range coordinates, widths outside a short, more than kMaxPoints points. Laser states are
// written as 0 or 1. The save is safe: a failed write leaves the previous file exactly as it was
// and returns false with the errno of the step that failed.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework/CString.h"
#include "platform/tuning/PatternPoint.h"

class CPatternFile {
public:
    static constexpr int kVersion = 1;
    static constexpr double kMaxCoordinate = 2147483648.0;
    static constexpr int kMinLaserWidth = -32768;
    static constexpr int kMaxLaserWidth = 32767;
    static constexpr int kMaxLineLength = 256;  // bytes, without the line end
    static constexpr int kMaxLines = 200000;
    static constexpr int kMaxPoints = 100000;

    CPatternFile();
    virtual ~CPatternFile();
    CPatternFile(const CPatternFile&) = delete;
    CPatternFile& operator=(const CPatternFile&) = delete;

    // Replaces the points with the file's; see above.
    bool Read(CString path);
    bool Write(CString path);

    void AddLaserPoint(PatternPoint point);
    int GetNumberOfEntries() const;
    // Out-of-range indexes give 0.
    double GetXCoordinate(int index) const;
    double GetYCoordinate(int index) const;
    int GetLaserState(int index) const;
    int GetLaserWidth(int index) const;

protected:
    // Reads the next line of the file being read, adding its point if it has one. False at the end
    // of the file, and on a line that makes the file unacceptable (then the read fails).
    virtual bool ReadLine();
    // Appends the point's line to the text being written; false when the point cannot be written.
    virtual bool WriteLine(PatternPoint point);

private:
    bool ParsePoint(std::string_view line);

    std::vector<PatternPoint> m_points;
    // While reading.
    FILE* m_input = nullptr;
    int m_lines = 0;
    bool m_tagSeen = false;
    bool m_readFailed = false;
    // While writing.
    std::string m_output;
};
