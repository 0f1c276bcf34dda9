// Unsigned integers stored in a file's byte order, decoded from bytes already
// read and bounds-checked. The version reader, the build's resource
// extractor (tools/ResExtract.cpp) and the fuzzer share this one decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace verinfo {

// The unsigned integer type of N bytes (N = 2, 4 or 8).
template <std::size_t N>
using TUnsigned = std::conditional_t<N == 2, std::uint16_t,
                                     std::conditional_t<N == 4, std::uint32_t, std::uint64_t>>;

// Returns the N-byte unsigned integer at P: its most significant byte first
// when BigEndian, else last. P must point to N readable bytes.
template <std::size_t N> constexpr TUnsigned<N> Decode(const unsigned char* P, bool BigEndian) {
    static_assert(N == 2 || N == 4 || N == 8);
    TUnsigned<N> V = 0;
    for (std::size_t I = 0; I < N; ++I) {
        V = static_cast<TUnsigned<N>>(V << 8 | P[BigEndian ? I : N - 1 - I]);
    }
    return V;
}

// Returns the N-byte little-endian integer at P: every field of a PE file, a
// .res file and a version block is stored so.
template <std::size_t N> constexpr TUnsigned<N> Le(const unsigned char* P) {
    return Decode<N>(P, false);
}

} // namespace verinfo
