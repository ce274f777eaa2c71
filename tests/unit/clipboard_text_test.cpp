// The clipboard text of the panel: label normalising, padding to the longest label, the
// separator and the line ends, byte for byte.
#include "inspector/clipboard_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

using plra::PanelTexts;

struct LabelCase {
    const char* label;
    const char* expected;
};

const LabelCase kLabels[] = {
    {"Title :", "Title"},
    {"Extended style :", "Extended style"},
    {"Rectangle:", "Rectangle"},
    // Colons go wherever they stand; blanks inside stay.
    {"Win:dow : text :", "Window  text"},
    {"::Class::", "Class"},
    {"   Parent   :   ", "Parent"},
    // All six white-space characters of the C library, at both ends.
    {" \t\n\v\f\rStyle \t\n\v\f\r:", "Style"},
    {"", ""},
    {" : ", ""},
    {":", ""},
    // Other bytes are kept, the multiplication sign and control characters among them.
    {"\xD7" "Size\x01 :", "\xD7" "Size\x01"},
};

class NormalisedLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(NormalisedLabel, LosesItsColonsAndOuterWhiteSpace) {
    EXPECT_EQ(plra::NormaliseLabel(GetParam().label), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Labels, NormalisedLabel, testing::ValuesIn(kLabels));

const PanelTexts kTemplateLabels = {"Title :", "Class :", "Descriptor :", "Identifier :",
                                    "Style :", "Extended style :", "Parent :", "Rectangle :"};

struct TextCase {
    const char* name;
    PanelTexts labels;
    PanelTexts values;
    std::string expected;
};

const TextCase kTexts[] = {
    {"SampleWindow",
     kTemplateLabels,
     {"Untitled - Editor", "EditorFrame", "0x000B04F2", "0", "0x14CF0000", "0x00000100", "0x00000000",
      "(100, 100), (900, 700)   800 \xD7 600"},
     "Title          :  Untitled - Editor\r\n"
     "Class          :  EditorFrame\r\n"
     "Descriptor     :  0x000B04F2\r\n"
     "Identifier     :  0\r\n"
     "Style          :  0x14CF0000\r\n"
     "Extended style :  0x00000100\r\n"
     "Parent         :  0x00000000\r\n"
     "Rectangle      :  (100, 100), (900, 700)   800 \xD7 600\r\n"},
    // Nothing shown: every line still has its label and separator, ending in two blanks.
    {"EmptyValues",
     kTemplateLabels,
     {},
     "Title          :  \r\n"
     "Class          :  \r\n"
     "Descriptor     :  \r\n"
     "Identifier     :  \r\n"
     "Style          :  \r\n"
     "Extended style :  \r\n"
     "Parent         :  \r\n"
     "Rectangle      :  \r\n"},
    // Values are verbatim: a colon, outer blanks, tabs and line breaks, a negative identifier.
    {"ValuesVerbatim",
     kTemplateLabels,
     {"  C:\\Work\\notes.txt : saved  ", " Edit\t", "0xFFFFFFFE", "-1", "0x00000000", "0xFFFFFFFF",
      "0x0001002A", "line\r\nbreak"},
     "Title          :    C:\\Work\\notes.txt : saved  \r\n"
     "Class          :   Edit\t\r\n"
     "Descriptor     :  0xFFFFFFFE\r\n"
     "Identifier     :  -1\r\n"
     "Style          :  0x00000000\r\n"
     "Extended style :  0xFFFFFFFF\r\n"
     "Parent         :  0x0001002A\r\n"
     "Rectangle      :  line\r\nbreak\r\n"},
    // The column follows the longest normalised label, here 20 bytes long.
    {"LongestLabelSetsTheColumn",
     {"Title :", " Class of the windows :", "D", "I", "S", "E", "P", "R"},
     {"a", "b", "c", "d", "e", "f", "g", "h"},
     "Title                :  a\r\n"
     "Class of the windows :  b\r\n"
     "D                    :  c\r\n"
     "I                    :  d\r\n"
     "S                    :  e\r\n"
     "E                    :  f\r\n"
     "P                    :  g\r\n"
     "R                    :  h\r\n"},
    // A colon inside a label goes too, so it does not count towards the width.
    {"InnerColonsDoNotCount",
     {"T:i:t:l:e :", "C", "D", "I", "S", "E", "P", "R"},
     {},
     "Title :  \r\nC     :  \r\nD     :  \r\nI     :  \r\nS     :  \r\nE     :  \r\nP     :  \r\n"
     "R     :  \r\n"},
    // Labels that normalise to nothing: no fill at all.
    {"EmptyLabels",
     {":", "", " ", "\t", ": :", "", "", ""},
     {"1", "2", "3", "4", "5", "6", "7", "8"},
     " :  1\r\n :  2\r\n :  3\r\n :  4\r\n :  5\r\n :  6\r\n :  7\r\n :  8\r\n"},
};

class ClipboardText : public testing::TestWithParam<TextCase> {};

TEST_P(ClipboardText, IsEightPaddedLinesEachEndedByCrLf) {
    const TextCase& c = GetParam();
    std::string text = plra::BuildClipboardText(c.labels, c.values);
    EXPECT_EQ(text, c.expected);
    // Its length: eight times the column, the separator and CR LF, plus the values.
    std::size_t width = 0, values = 0;
    for (int i = 0; i < 8; ++i) {
        width = std::max(width, plra::NormaliseLabel(c.labels[i]).size());
        values += c.values[i].size();
    }
    EXPECT_EQ(text.size(), 8 * (width + 4 + 2) + values);
}

INSTANTIATE_TEST_SUITE_P(Texts, ClipboardText, testing::ValuesIn(kTexts),
                         [](const testing::TestParamInfo<TextCase>& p) { return p.param.name; });

// The user's locale decides what else counts as white space; Windows-1252 counts the
// no-break space (0xA0) among the blanks, the "C" locale does not.
TEST(NormalisedLabelInLocale, TrimsWhatTheLocaleCallsWhiteSpace) {
    const char* saved = std::setlocale(LC_CTYPE, nullptr);
    std::string restore = saved ? saved : "C";
    ASSERT_NE(std::setlocale(LC_CTYPE, ".1252"), nullptr);
    EXPECT_EQ(plra::NormaliseLabel("\xA0Title\xA0:\xA0"), "Title");
    std::setlocale(LC_CTYPE, "C");
    EXPECT_EQ(plra::NormaliseLabel("\xA0Title\xA0:\xA0"), "\xA0Title\xA0\xA0");
    std::setlocale(LC_CTYPE, restore.c_str());
}

}  // namespace
