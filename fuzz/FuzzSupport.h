#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

// A broken property fails the run like a crash, naming the condition that broke.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void()                                                                          \
                 : (std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__),  \
                    std::abort()))

namespace lunetra::fuzz {

// The next value from the front of the input; bytes past its end read as zero.
template <typename T> T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = std::min(sizeof value, size);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

// The input as N texts separated by zero bytes; the last takes the rest, missing ones are empty.
template <std::size_t N>
std::array<std::string_view, N> SplitTexts(const std::uint8_t* data, std::size_t size) {
    std::array<std::string_view, N> texts{};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t end = i + 1 < N ? rest.find('\0') : rest.size();
        texts[i] = rest.substr(0, end);
        rest = end < rest.size() ? rest.substr(end + 1) : std::string_view{};
    }
    return texts;
}

} // namespace lunetra::fuzz
