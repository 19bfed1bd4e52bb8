#pragma once
// The simulator's transcript: one line per event, stamped with the virtual time (mm:ss.mmm) and a
// short source tag, kept in memory (the tests read it) and echoed to a stream unless quiet.
//
//   00:12.400  host      SendPlateCommand(2,3)
//   00:12.400  inst      <- Command UNLOAD_PROBE_COMMAND
//   00:13.000  swap      indicator "Unloading" 1 of 1
//
// Tags: "sim" (the scenario itself), "host" (calls the library made on the host), "inst" (writes
// the instrument received, and what it did), "oper" (the operator), "box" (message boxes and their
// answers), one tag per window for what it shows, "log" (status log entries), "shot" (screenshots).

#include <iosfwd>
#include <string>
#include <vector>

class SimTranscript {
public:
    struct Line {
        unsigned long long time = 0; // virtual milliseconds
        std::string tag;
        std::string text;
        std::string Format() const;
    };

    // Echoes every line to `echo` when it is not null.
    explicit SimTranscript(std::ostream* echo = nullptr) : m_echo(echo) {}

    // Adds a line at the current virtual time.
    void Add(const std::string& tag, const std::string& text);
    // Adds a line at a given time (the instrument stamps its own events).
    void AddAt(unsigned long long time, const std::string& tag, const std::string& text);

    const std::vector<Line>& Lines() const { return m_lines; }
    // True when a line with this tag (any tag when empty) contains the text.
    bool Contains(const std::string& text, const std::string& tag = std::string()) const;
    // Lines with this tag (any tag when empty) that contain the text.
    int Count(const std::string& text, const std::string& tag = std::string()) const;
    // The index of the first such line at or after `from`, or -1.
    int Find(const std::string& text, const std::string& tag = std::string(), int from = 0) const;
    // The whole transcript as text, one line each.
    std::string Text() const;

    static std::string FormatTime(unsigned long long ms);

private:
    std::ostream* m_echo;
    std::vector<Line> m_lines;
};
