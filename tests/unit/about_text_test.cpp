// The version line of the about box.
#include "menu/about_box.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    std::uint64_t version;
    const char* text;
};

class AboutVersionText : public testing::TestWithParam<VersionCase> {};

TEST_P(AboutVersionText, ShowsTheFourSixteenBitParts) {
    EXPECT_EQ(plra::FormatAboutVersionText(GetParam().version), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Versions, AboutVersionText,
                         testing::ValuesIn(std::vector<VersionCase>{
                             {0x0001000300000000ull, "Pellora\nVersion 1.3.0.0"},
                             {0xFFFFFFFFFFFFFFFFull, "Pellora\nVersion 65535.65535.65535.65535"},
                             {0, "Pellora\nVersion 0.0.0.0"},
                             {0x000A0014001E0028ull, "Pellora\nVersion 10.20.30.40"},
                             {0x8000000100000002ull, "Pellora\nVersion 32768.1.0.2"}}));

}  // namespace
