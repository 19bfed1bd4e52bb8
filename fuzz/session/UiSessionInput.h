#pragma once
// Where an operator session takes its decisions from: the fuzzer's input bytes, or a seeded random
// generator (maldi-sim --monkey). Every choice the player makes is read from here, so the same
// bytes or the same seed play the same session.
//
// Bytes run out quietly: past the end every read gives 0 and Exhausted() is true, so a short input
// still plays a whole (short) session.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

class UiSessionInput {
public:
    virtual ~UiSessionInput() = default;
    virtual std::uint8_t Byte() = 0;
    // True when no more decisions are to be had (the session should end).
    virtual bool Exhausted() const = 0;

    // A number in [lo, hi] (hi >= lo), from as few bytes as the range needs.
    long long Range(long long lo, long long hi);
    // An index below count (0 when count is 0).
    std::size_t Index(std::size_t count) { return count == 0 ? 0 : static_cast<std::size_t>(Range(0, static_cast<long long>(count) - 1)); }
    bool Flag() { return (Byte() & 1) != 0; }
    // A value a host or an operator might give: often an edge (0, -1, limits, huge, tiny, NaN as
    // text elsewhere), otherwise an ordinary number.
    double Number();
    int Integer();
    // Up to maxLength bytes of any value but 0 (the operator can type any character but NUL).
    std::string Text(std::size_t maxLength);
};

// The fuzzer's bytes, read once from the front.
class UiBytesInput : public UiSessionInput {
public:
    UiBytesInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t Byte() override { return m_at < m_size ? m_data[m_at++] : (m_at = m_size, 0); }
    bool Exhausted() const override { return m_at >= m_size; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// A seeded generator: never exhausted; the player's action budget ends the session.
class UiSeededInput : public UiSessionInput {
public:
    explicit UiSeededInput(std::uint64_t seed) : m_random(seed) {}
    std::uint8_t Byte() override { return static_cast<std::uint8_t>(m_random() & 0xFF); }
    bool Exhausted() const override { return false; }

private:
    std::mt19937_64 m_random;
};
