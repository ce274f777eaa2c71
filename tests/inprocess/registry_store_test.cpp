// The registry store against real keys of the current user: reading what other programs may
// have left there, writing the options, and the stored result as Wine's own reg tool sees it.
#include "settings/registry_store.h"

#include "app/app_context.h"
#include "support/dialog_fixture.h"
#include "support/settings_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class RegistryStore : public testing::Test {
protected:
    void SetUp() override { test::InitializeAppOnce(); }
    test::FreshSettings fresh;
};

TEST_F(RegistryStore, TheRootKeyCarriesTheMajorVersion) {
    EXPECT_STREQ(plra::App().registryKeyPath, test::kProgramKey);
}

TEST_F(RegistryStore, FirstRunGivesAllOptionsOnAndCreatesNoKey) {
    bool keep = false, root = false, frame = false;
    plra::LoadOptions(&keep, &root, &frame);
    EXPECT_TRUE(keep);
    EXPECT_TRUE(root);
    EXPECT_TRUE(frame);
    plra::RegistryDword read = plra::ReadRegistryDword(test::kProgramKey, "KeepDialogOnTop", 7);
    EXPECT_EQ(read.error, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(read.value, 7u);
    EXPECT_FALSE(test::KeyExists(test::kMakerKey));
}

TEST_F(RegistryStore, MissingValueInAnExistingKeyGivesTheDefault) {
    test::WriteDword(test::kProgramKey, "Other", 0);
    plra::RegistryDword read = plra::ReadRegistryDword(test::kProgramKey, "KeepDialogOnTop", 1);
    EXPECT_EQ(read.error, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(read.value, 1u);
}

TEST_F(RegistryStore, AbsentFlagsAreLeftAlone) {
    test::WriteDword(test::kProgramKey, "AutoFindRootParent", 0);
    bool root = true;
    plra::LoadOptions(nullptr, &root, nullptr);
    EXPECT_FALSE(root);
}

struct StoredCase {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
    LONG error;            // of ReadRegistryDword
    std::uint32_t value;   // read with default 1
};

// Every unusable form holds bytes that would read as 0 ("off") if they were taken as a value.
const StoredCase kStored[] = {
    {"DwordFive", REG_DWORD, {5, 0, 0, 0}, ERROR_SUCCESS, 5},
    {"DwordZero", REG_DWORD, {0, 0, 0, 0}, ERROR_SUCCESS, 0},
    {"DwordLittleEndian", REG_DWORD, {0x78, 0x56, 0x34, 0x12}, ERROR_SUCCESS, 0x12345678},
    {"DwordAllBits", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, ERROR_SUCCESS, 0xFFFFFFFF},
    {"String", REG_SZ, {'0', 0}, ERROR_INVALID_DATATYPE, 1},
    {"FourByteBinary", REG_BINARY, {0, 0, 0, 0}, ERROR_INVALID_DATATYPE, 1},
    {"BigEndianDword", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 0}, ERROR_INVALID_DATATYPE, 1},
    {"Qword", REG_QWORD, {0, 0, 0, 0, 0, 0, 0, 0}, ERROR_MORE_DATA, 1},
    {"LongBinary", REG_BINARY, {0, 0, 0, 0, 0}, ERROR_MORE_DATA, 1},
    // Short data would leave the upper bytes undefined: taken as absent.
    {"TwoByteDword", REG_DWORD, {0, 0}, ERROR_INVALID_DATA, 1},
    {"EmptyDword", REG_DWORD, {}, ERROR_INVALID_DATA, 1},
};

class StoredForms : public RegistryStore, public testing::WithParamInterface<StoredCase> {};

TEST_P(StoredForms, ReadAsTheValueOrAsAbsent) {
    const StoredCase& c = GetParam();
    test::WriteRawValue(test::kProgramKey, "AutoFindRootParent", c.type, c.data);
    ASSERT_TRUE(test::ReadRawValue(test::kProgramKey, "AutoFindRootParent").exists);

    plra::RegistryDword read = plra::ReadRegistryDword(test::kProgramKey, "AutoFindRootParent", 1);
    EXPECT_EQ(read.error, c.error);
    EXPECT_EQ(read.value, c.value);

    bool keep = false, root = false, frame = false;
    plra::LoadOptions(&keep, &root, &frame);
    EXPECT_EQ(root, c.value != 0);
    EXPECT_TRUE(keep);
    EXPECT_TRUE(frame);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredForms, testing::ValuesIn(kStored),
                         [](const auto& instance) { return std::string(instance.param.name); });

std::vector<BYTE> DwordBytes(std::uint32_t v) {
    return {static_cast<BYTE>(v), static_cast<BYTE>(v >> 8), static_cast<BYTE>(v >> 16), static_cast<BYTE>(v >> 24)};
}

struct SaveCase {
    bool keep, root, frame;
};

const SaveCase kSaves[] = {{true, false, true}, {false, true, false}, {false, false, false}, {true, true, true}};

class SavedOptions : public RegistryStore, public testing::WithParamInterface<SaveCase> {};

TEST_P(SavedOptions, CreateTheWholePathAndWriteExactlyThreeDwords) {
    const SaveCase& c = GetParam();
    ASSERT_FALSE(test::KeyExists(test::kMakerKey));
    EXPECT_EQ(plra::SaveOptions(c.keep, c.root, c.frame), ERROR_SUCCESS);

    std::vector<std::string> names = test::ValueNames(test::kProgramKey);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"AutoFindRootParent", "DrawInvertedFrame", "KeepDialogOnTop"}));
    const std::pair<const char*, bool> expected[] = {
        {"KeepDialogOnTop", c.keep}, {"AutoFindRootParent", c.root}, {"DrawInvertedFrame", c.frame}};
    for (const auto& [name, on] : expected) {
        test::RawValue raw = test::ReadRawValue(test::kProgramKey, name);
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(raw.data, DwordBytes(on ? 1 : 0)) << name;
    }

    bool keep = !c.keep, root = !c.root, frame = !c.frame;
    plra::LoadOptions(&keep, &root, &frame);
    EXPECT_EQ(keep, c.keep);
    EXPECT_EQ(root, c.root);
    EXPECT_EQ(frame, c.frame);
}

INSTANTIATE_TEST_SUITE_P(Cases, SavedOptions, testing::ValuesIn(kSaves), [](const auto& instance) {
    const SaveCase& c = instance.param;
    return std::string(c.keep ? "On" : "Off") + (c.root ? "On" : "Off") + (c.frame ? "On" : "Off");
});

TEST_F(RegistryStore, SavingReplacesAValueOfAnotherType) {
    test::WriteRawValue(test::kProgramKey, "KeepDialogOnTop", REG_SZ, {'0', 0});
    EXPECT_EQ(plra::SaveOptions(false, true, true), ERROR_SUCCESS);
    test::RawValue raw = test::ReadRawValue(test::kProgramKey, "KeepDialogOnTop");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw.data, DwordBytes(0));
}

TEST_F(RegistryStore, WritingStoresTheTwosComplementPattern) {
    EXPECT_EQ(plra::WriteRegistryDword(test::kMainWindowKey, "X", static_cast<std::uint32_t>(-1280)), ERROR_SUCCESS);
    EXPECT_EQ(test::ReadRawValue(test::kMainWindowKey, "X").data, (std::vector<BYTE>{0x00, 0xFB, 0xFF, 0xFF}));
    plra::RegistryDword read = plra::ReadRegistryDword(test::kMainWindowKey, "X", 0);
    EXPECT_EQ(static_cast<std::int32_t>(read.value), -1280);
}

// A volatile key cannot hold a non-volatile one: a real registry write that fails.
void MakeVolatileMakerKey() {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, test::kMakerKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryStore, AWriteThatCannotCreateItsKeyReportsTheErrorAndWritesNothing) {
    MakeVolatileMakerKey();
    EXPECT_EQ(plra::WriteRegistryDword(test::kProgramKey, "KeepDialogOnTop", 1), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_FALSE(test::KeyExists(test::kProgramKey));
    EXPECT_NE(plra::SaveOptions(true, true, true), ERROR_SUCCESS);
    EXPECT_FALSE(test::KeyExists(test::kProgramKey));
}

// Wine's own reg tool, a separate process, reads what the program stored.
TEST_F(RegistryStore, TheRegToolSeesTheSavedOptions) {
    ASSERT_EQ(plra::SaveOptions(false, true, false), ERROR_SUCCESS);
    std::string listing = test::RegToolQuery(test::kProgramKey);
    SCOPED_TRACE(listing);
    auto line = [&](const char* name) {
        size_t at = listing.find(name);
        if (at == std::string::npos) return std::string();
        size_t end = listing.find_first_of("\r\n", at);
        return listing.substr(at, end - at);
    };
    auto words = [](const std::string& text) {
        std::vector<std::string> out;
        size_t at = 0;
        while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
            size_t end = text.find_first_of(" \t", at);
            out.push_back(text.substr(at, end - at));
            at = end;
        }
        return out;
    };
    EXPECT_EQ(words(line("KeepDialogOnTop")), (std::vector<std::string>{"KeepDialogOnTop", "REG_DWORD", "0x0"}));
    EXPECT_EQ(words(line("AutoFindRootParent")), (std::vector<std::string>{"AutoFindRootParent", "REG_DWORD", "0x1"}));
    EXPECT_EQ(words(line("DrawInvertedFrame")), (std::vector<std::string>{"DrawInvertedFrame", "REG_DWORD", "0x0"}));
}

}  // namespace
