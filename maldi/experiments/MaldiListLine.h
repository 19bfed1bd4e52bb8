#pragma once
// The numbers of one list file line: reading them as sscanf reads "%lf,%lf,...,%ld" and writing
// them as printf writes "%f,%f,...,%d", only several times faster.
//
// Each fast routine handles the plain shape of the files we write (digits, one point, one sign,
// commas, nothing else) itself and hands every other line or value to the C library routine it
// stands for, so its result is that routine's result on every input. The reference routines stay
// here beside the fast ones: they are the fallback, and the tests compare the two.
//
// The numbers are read and written in the "C" locale's form (a point before the decimals); the
// program never changes LC_NUMERIC.

#include <cstddef>

namespace MaldiListLine {

// The widest line the writers produce: a value is at most 317 digits, a sign, a point and six
// decimals, plus its comma.
constexpr int kMaxDoubles = 11;
constexpr std::size_t kMaxLineLength = kMaxDoubles * 327 + 16;

// sscanf(line, "%lf,%lf,...,%ld") with `count` doubles (9 or 11) and the flags last. Returns the
// number of fields converted as sscanf does (EOF when the line ends before the first); fields
// after the last converted one are left as they were.
int Scan(const char* line, int count, double* values, long* flags);
int ScanReference(const char* line, int count, double* values, long* flags);

// snprintf(out, ..., "%f,%f,...,%d") of `count` values and the flags into `out`, which holds at
// least kMaxLineLength characters; returns the length written (no terminator).
std::size_t Format(char* out, const double* values, int count, int flags);
std::size_t FormatReference(char* out, const double* values, int count, int flags);

// One value as printf's "%f" (six decimals, correctly rounded, ties to even); returns the length.
std::size_t FormatFixed6(char* out, double value);

}  // namespace MaldiListLine
