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
// CFile, the audited stream functions and PNG screenshots all save through this class.

#include <string>

class SafeSave {
public:
    SafeSave() = default;
    SafeSave(const SafeSave&) = delete;
    SafeSave& operator=(const SafeSave&) = delete;
    SafeSave(SafeSave&& other) noexcept;
    SafeSave& operator=(SafeSave&& other) noexcept;
    // Abandons a save that was neither committed nor abandoned.
    ~SafeSave();

    // Starts a save of `path` and returns the temporary file's descriptor, open for writing (and
    // reading too with `readToo`); the caller writes and closes it. -1 with errno set when the
    // save cannot be made; nothing is then pending.
    int Begin(const std::string& path, bool readToo);
    // Puts the written file in place; the caller has closed the descriptor. Returns 0, or the
    // errno of the failed rename (the save is then abandoned). Without a pending save: EBADF.
    int Commit();
    // Removes the temporary file; the target keeps its content.
    void Abandon();

    bool Pending() const { return m_folder >= 0; }

private:
    int m_folder = -1;        // the target's folder, held open so the rename lands there
    std::string m_temporary;  // names inside that folder
    std::string m_target;
};
