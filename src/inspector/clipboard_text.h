// The clipboard's form of the panel: eight lines "label :  value", the labels padded to one
// width. Plain text work, kept apart from the controls it is read from.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace plra {

constexpr int kPanelRows = 8;
using PanelTexts = std::array<std::string, kPanelRows>;

// A label as it stands in the text: every ':' removed, then the white space of the user's
// locale (the C library's character classes) trimmed at its end and at its start.
std::string NormaliseLabel(std::string_view label);

// Labels padded with blanks to the longest normalised one, " :  ", the value verbatim, and
// CR LF after every line including the last. May throw std::bad_alloc.
std::string BuildClipboardText(const PanelTexts& labels, const PanelTexts& values);

}  // namespace plra
