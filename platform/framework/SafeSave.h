#pragma once
// A save that never loses the previous file. The new content goes to a temporary file created
// exclusively beside the target (".~<name>.<random>"), so two saves of one file, even from two
// processes, never share it; Commit renames it over the target once it is complete, and an
// abandoned save removes it and leaves the target exactly as it was.
//
// An existing target is resolved through symbolic links (the file a link points to is replaced,
// the link stays), must be writable by us, and hands its owner and permissions to the new file
// (best effort; a new file gets 0666 less the umask). A dangling link is refused (ENOENT), and so
// is a path that names no file inside a folder (EISDIR).
//
// A save goes through five steps, and every byte of it through this class: Open (Begin or
// BeginStream), Write (each Write, and each buffer a stream hands over), Flush (the stream's last
// buffer handed over; nothing is buffered for a descriptor), Sync (to the disk) and Rename (the
// file put in place). The first step that fails dooms the save: Commit then abandons it and
// returns that step's error. SafeSaveFault (below) makes any step fail, so that a test can show
// what every writer does when the disk is full, the folder read-only or the rename refused.
//
// CFile, the audited stream functions and PNG screenshots all save through this class.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include <sys/types.h>

class SafeSave {
public:
    enum class Step { Open, Write, Flush, Sync, Rename };

    SafeSave();
    SafeSave(const SafeSave&) = delete;
    SafeSave& operator=(const SafeSave&) = delete;
    SafeSave(SafeSave&& other) noexcept;
    SafeSave& operator=(SafeSave&& other) noexcept;
    // Abandons a save that was neither committed nor abandoned.
    ~SafeSave();

    // Starts a save of `path` and returns the temporary file's descriptor, open for writing (and
    // reading too with `readToo`). The descriptor stays the save's: read and seek through it, but
    // write through Write; Commit and Abandon close it. -1 with errno set when the save cannot be
    // made; nothing is then pending.
    int Begin(const std::string& path, bool readToo);
    // As Begin, with a buffered stream of the fopen `mode` ("w", "wb", "w+" ...) whose output
    // reaches the file through Write. The stream is the save's: never fclose it.
    FILE* BeginStream(const std::string& path, const char* mode);

    // Writes all `count` bytes, or returns false with errno set (a full disk may have taken part
    // of them); the save is then doomed.
    bool Write(const void* data, std::size_t count);
    // Hands the stream's buffer to Write; 0 or an errno.
    int Flush();
    // Makes what was written durable; 0 or an errno.
    int Sync();
    // Flushes, syncs (unless `sync` is false: screenshots need no disk sync), closes and puts the
    // file in place. 0, or the errno of the first step that failed (the save is then abandoned).
    // Without a pending save: EBADF.
    int Commit(bool sync = true);
    // Removes the temporary file; the target keeps its content.
    void Abandon();

    bool Pending() const { return m_state != nullptr; }
    // The first failure of a pending save (0 while every step succeeded).
    int Error() const;

private:
    struct State;
    // Asks the installed fault whether `step` fails now; the errno, or 0.
    static int Fault(Step step, std::uint64_t written, std::size_t* fits);
    static ssize_t StreamWrite(void* cookie, const char* data, std::size_t count);
    int Fail(int error);

    std::unique_ptr<State> m_state;
    friend class SafeSaveFault;
};

// Test seam: while an object lives, every save of the process fails at `step` with `error`. For
// Step::Write, `room` is the bytes of each save that still fit, so that the disk fills part way:
// the write that crosses it stores what fits and then fails. Faults do not nest. Hits() counts
// the steps that failed, so a test can tell that its save really got that far.
class SafeSaveFault {
public:
    SafeSaveFault(SafeSave::Step step, int error, std::uint64_t room = 0);
    ~SafeSaveFault();
    SafeSaveFault(const SafeSaveFault&) = delete;
    SafeSaveFault& operator=(const SafeSaveFault&) = delete;

    int Hits() const;
};
