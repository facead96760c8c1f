// Colours in checks print in hex, a COLORREF as 0x00BBGGRR and a pixel as
// 0xAARRGGBB, so a failure shows which channel is wrong.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <iomanip>
#include <ostream>
#include <sstream>

struct CHexColor {
    std::uint32_t nValue;
    bool operator==(const CHexColor&) const = default;
};

inline void PrintTo(const CHexColor& color, std::ostream* pOut)
{
    std::ostringstream out;
    out << "0x" << std::hex << std::uppercase << std::setw(8) << std::setfill('0') << color.nValue;
    *pOut << out.str();
}

#define EXPECT_COLOR_EQ(a, b) EXPECT_EQ(CHexColor{std::uint32_t(a)}, CHexColor{std::uint32_t(b)})
#define EXPECT_COLOR_NE(a, b) EXPECT_NE(CHexColor{std::uint32_t(a)}, CHexColor{std::uint32_t(b)})
#define ASSERT_COLOR_EQ(a, b) ASSERT_EQ(CHexColor{std::uint32_t(a)}, CHexColor{std::uint32_t(b)})
