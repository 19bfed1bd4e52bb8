#pragma once
// The audited file library's stream functions. They behave as fopen, fgets, fprintf and fclose and
// work on standard streams (feof and ferror apply to them directly), with these differences:
//
// - Safe saves. A regular file (or a new one) opened with a "w" mode is not truncated: the stream
//   writes a temporary file in the same folder (".~<name>.<random>"), and fcloseS renames it over
//   the target only when every write, the flush and the sync to disk succeeded. Otherwise fcloseS
//   removes the temporary file, leaves the previous file exactly as it was and returns EOF. Until
//   fcloseS the target keeps its old content for every reader.
//   The new file keeps the permissions of the one it replaces (a new file gets 0666 less the
//   umask, as with fopen). Through a symbolic link the file it points to is replaced; the link
//   stays. A file with other hard links gets a new file under this name; the other names keep the
//   old content. An existing file that is not writable is refused at fopenS, as fopen would refuse
//   it, and so is a save into a folder where no new file can be created.
// - Devices, pipes and other files that a rename cannot replace, "a", "r" and "r+" modes and
//   exclusive creation ("wx") go straight to fopen.
// - A folder is never opened, in any mode (errno EISDIR): reading one would only fail later.
// - Null arguments are refused instead of crashing, with errno EINVAL: fopenS and fgetsS return
//   null, fprintfS returns -1, fcloseS returns EOF.
//
// A stream from fopenS must be closed with fcloseS: plain fclose would leave a "w" stream's
// temporary file behind and never replace the target.

#include <cstdio>

FILE* fopenS(const char* path, const char* mode);
char* fgetsS(char* buffer, int size, FILE* stream);
int fprintfS(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
int fcloseS(FILE* stream);
