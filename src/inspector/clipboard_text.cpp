#include "inspector/clipboard_text.h"

#include <algorithm>
#include <cctype>

namespace plra {

namespace {

// The C library classifies by LC_CTYPE, which start-up sets to the user's default locale.
bool IsWhiteSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

constexpr std::string_view kSeparator = " :  ";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string NormaliseLabel(std::string_view label) {
    std::string text;
    text.reserve(label.size());
    for (char c : label)
        if (c != ':') text += c;
    while (!text.empty() && IsWhiteSpace(text.back())) text.pop_back();
    auto first = std::find_if_not(text.begin(), text.end(), IsWhiteSpace);
    text.erase(text.begin(), first);
    return text;
}

std::string BuildClipboardText(const PanelTexts& labels, const PanelTexts& values) {
    PanelTexts normalised;
    std::size_t width = 0;
    for (int i = 0; i < kPanelRows; ++i) {
        normalised[i] = NormaliseLabel(labels[i]);
        width = std::max(width, normalised[i].size());
    }
    std::size_t total = 0;
    for (int i = 0; i < kPanelRows; ++i)
        total += width + kSeparator.size() + values[i].size() + kLineEnd.size();

    std::string text;
    text.reserve(total);
    for (int i = 0; i < kPanelRows; ++i) {
        text += normalised[i];
        text.append(width - normalised[i].size(), ' ');
        text += kSeparator;
        text += values[i];
        text += kLineEnd;
    }
    return text;
}

}  // namespace plra
