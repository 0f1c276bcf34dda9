// Reference conversions between day numbers and civil dates, written after
// Neri and Schneider, "Euclidean affine functions and their application to
// calendar algorithms" (Software: Practice and Experience, 2022), in their
// 32-bit form with a shift of whole 400-year cycles so that dates before the
// epoch work in unsigned arithmetic. Unchecked: the benchmark's yardstick for
// the date core's own conversions, which validate and work from a TDateTime.
#pragma once

#include <cstdint>

namespace nsref {

struct Date {
    std::int32_t Year;
    std::uint32_t Month; // [1, 12]
    std::uint32_t Day;   // [1, 31]
};

// Shift of 82 cycles of 400 years (32,800 years) into the past.
inline constexpr std::uint32_t s = 82;
// Day 0 (30 December 1899) counted from 1 March of year -32800.
inline constexpr std::uint32_t K = 693899 + 146097 * s;
inline constexpr std::uint32_t L = 400 * s;

// Day number (day 0 = 30 December 1899) to civil date.
inline Date ToDate(std::int32_t N) {
    const std::uint32_t N_U = static_cast<std::uint32_t>(N) + K;
    // Century.
    const std::uint32_t N_1 = 4 * N_U + 3;
    const std::uint32_t C = N_1 / 146097;
    const std::uint32_t N_C = N_1 % 146097 / 4;
    // Year.
    const std::uint32_t N_2 = 4 * N_C + 3;
    const std::uint64_t P_2 = std::uint64_t{2939745} * N_2;
    const std::uint32_t Z = static_cast<std::uint32_t>(P_2 / 4294967296);
    const std::uint32_t N_Y = static_cast<std::uint32_t>(P_2 % 4294967296) / 2939745 / 4;
    const std::uint32_t Y = 100 * C + Z;
    // Month and day.
    const std::uint32_t N_3 = 2141 * N_Y + 197913;
    const std::uint32_t M = N_3 / 65536;
    const std::uint32_t D = N_3 % 65536 / 2141;
    // Map from the computational calendar (years start on 1 March).
    const std::uint32_t J = N_Y >= 306;
    const std::int32_t Y_G = static_cast<std::int32_t>(Y - L + J);
    return {Y_G, J ? M - 12 : M, D + 1};
}

// Civil date to day number (day 0 = 30 December 1899).
inline std::int32_t ToDayNumber(std::int32_t Year, std::uint32_t Month, std::uint32_t Day) {
    // Map to the computational calendar.
    const std::uint32_t Y_G = static_cast<std::uint32_t>(Year) + L;
    const std::uint32_t J = Month <= 2;
    const std::uint32_t Y = Y_G - J;
    const std::uint32_t M = J ? Month + 12 : Month;
    const std::uint32_t D = Day - 1;
    const std::uint32_t C = Y / 100;
    // Year, month and day.
    const std::uint32_t y_star = 1461 * Y / 4 - C + C / 4;
    const std::uint32_t m_star = (979 * M - 2919) / 32;
    const std::uint32_t N = y_star + m_star + D;
    return static_cast<std::int32_t>(N - K);
}

} // namespace nsref
