#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string_view>

// Reads a fuzzer's bytes front to back: fixed-size fields first, the rest as
// text. A field past the end reads as zero, so every input means something.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : std::uint8_t{0}; }
    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= std::uint32_t{Byte()} << (8 * i);
        }
        return static_cast<std::int32_t>(value);
    }
    // The bytes up to the next separator (not included), or to the end.
    std::string_view TextUntil(char separator) {
        const std::string_view rest = Rest();
        const std::size_t end = rest.find(separator);
        m_pos += end == std::string_view::npos ? rest.size() : end + 1;
        return rest.substr(0, end);
    }
    std::string_view Rest() const {
        const std::size_t pos = m_pos < m_size ? m_pos : m_size;
        return {reinterpret_cast<const char*>(m_data) + pos, m_size - pos};
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A broken rule is a finding: say which, and stop so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::cerr << __FILE__ << ':' << __LINE__ << ": rule broken: " #condition "\n";         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
