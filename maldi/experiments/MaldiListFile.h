#pragma once
// The text files of the two list pages: the mass switch list and the collision energy profile.
// One entry per line, fields separated by commas, numbers with six decimals, lines separated by
// "\n" with none after the last (an empty list is an empty file).
//
//   mass list: set mass, 0 (reserved), LM, HM, timeout, stop intensity, energies 1-5, flags
//     500.250000,0.000000,3.000000,-1.000000,...,-1.000000,1
//   profile:   from mass, to mass, carried A, carried B, energies 1-5, flags
//     100.000000,500.000000,-1.000000,-1.000000,20.000000,30.000000,-1.000000,-1.000000,-1.000000,3
//
// Reading: lines are read 255 characters at a time, so a longer line counts as several. Trailing
// fields may be left out: values not on the line become -1.0 with their bits cleared (a profile
// line with one number is the range from that mass to itself); flags not on the line start as
// 0xFFFF. A mass list line starting with ';' is a comment; the profile has no comments.
// A line on which not even the first number can be read (blank, text, or only a line end) refuses
// the whole file in both formats: the reader returns no list rather than silently dropping a line
// the user would then lose at the next save. The same holds for a read error or no memory.
//
// Writing goes through the audited file functions, so a save that fails part-way leaves the
// previous file untouched. The writers return false when the file cannot be opened and also when
// a write or the final close fails; null path or list: false, nothing touched.

#include "maldi/experiments/MaldiEntryList.h"
#include "platform/framework/WinTypes.h"

class MaldiListFile {
public:
    static bool WriteMassList(LPCTSTR path, const MaldiSwitchMassList* list);
    // A new list (possibly empty), or null when the file cannot be opened or is refused.
    static MaldiSwitchMassList* ReadMassList(LPCTSTR path);

    static bool WriteProfile(LPCTSTR path, const MaldiCEProfileList* list);
    // A new list (possibly empty), or null when the file cannot be opened or is refused.
    static MaldiCEProfileList* ReadProfile(LPCTSTR path);

    // Lines are read through a buffer of this size (255 characters and the terminator).
    static constexpr int kLineBufferSize = 256;
    static constexpr int kInitialCapacity = 100;
};
