// Saving the three options when some writes fail: every write is still attempted, in order,
// and any failure makes the whole save fail.
#include "settings/registry_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Write {
    std::string keyPath, name;
    std::uint32_t value;
};

struct FailureCase {
    const char* name;
    std::vector<LONG> results;  // what each of the three writes answers
    LONG expected;
};

const FailureCase kFailures[] = {
    {"AllSucceed", {0, 0, 0}, 0},
    {"FirstFails", {ERROR_ACCESS_DENIED, 0, 0}, ERROR_ACCESS_DENIED},
    {"SecondFails", {0, ERROR_ACCESS_DENIED, 0}, ERROR_ACCESS_DENIED},
    {"ThirdFails", {0, 0, ERROR_CHILD_MUST_BE_VOLATILE}, ERROR_CHILD_MUST_BE_VOLATILE},
    {"AllFail", {ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED}, ERROR_ACCESS_DENIED},
};

class SavingOptions : public testing::TestWithParam<FailureCase> {};

TEST_P(SavingOptions, AttemptsEveryWriteAndReportsAnyFailure) {
    const FailureCase& c = GetParam();
    std::vector<Write> writes;
    auto writer = [&](const char* keyPath, const char* name, std::uint32_t value) {
        LONG result = c.results[writes.size()];
        writes.push_back({keyPath, name, value});
        return result;
    };
    LONG error = plra::SaveOptionsWith(writer, "Root", true, false, true);
    EXPECT_EQ(error, c.expected);
    ASSERT_EQ(writes.size(), 3u);
    const char* names[] = {"KeepDialogOnTop", "AutoFindRootParent", "DrawInvertedFrame"};
    const std::uint32_t values[] = {1, 0, 1};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(writes[i].keyPath, "Root");
        EXPECT_EQ(writes[i].name, names[i]);
        EXPECT_EQ(writes[i].value, values[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SavingOptions, testing::ValuesIn(kFailures),
                         [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
