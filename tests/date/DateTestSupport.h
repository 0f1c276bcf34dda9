// Helpers shared by the date core's tests.
#pragma once

#include "../TableNames.h"
#include "DateRoutines.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Lets GoogleTest print split dates in failure messages.
inline void PrintTo(const TDateParts& P, std::ostream* Out) {
    *Out << P.Year << '-' << P.Month << '-' << P.Day;
}

// The day number of a valid date.
inline TDateTime Ymd(int Year, int Month, int Day) {
    return MakeDate(Year, Month, Day);
}

// A date as year-month-day text, for failure messages.
inline std::string Show(TDateTime D) {
    const TDateParts P = SplitDate(D);
    return std::to_string(P.Year) + "-" + std::to_string(P.Month) + "-" + std::to_string(P.Day) +
           " (day " + std::to_string(D) + ")";
}

// Expects Statement to raise TConvertError with exactly Message.
#define EXPECT_CONVERT_ERROR(Statement, Message)                                                   \
    do {                                                                                           \
        try {                                                                                      \
            (void)(Statement);                                                                     \
            ADD_FAILURE() << #Statement " raised nothing";                                         \
        } catch (const TConvertError& Error) {                                                     \
            EXPECT_STREQ(Error.what(), Message);                                                   \
        }                                                                                          \
    } while (false)

inline constexpr const char* kEncodeError = "Invalid argument to date encode";
