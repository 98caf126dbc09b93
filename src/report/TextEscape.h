// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace kestive {

// The text with every byte sequence that is not valid UTF-8, and every control character but tab and
// line feed, replaced by U+FFFD, so that XML and JSON readers accept it.
std::string validUtf8(std::string_view text);

// Text for XML character data and attribute values: & < > " ' as entities, after validUtf8.
std::string xmlEscaped(std::string_view text);

// A JSON string literal with its quotes, after validUtf8.
std::string jsonString(std::string_view text);

// A JSON number: the shortest text that reads back as the same double, always with "." and never in
// the locale's form.
std::string jsonNumber(double value);

// How many characters a terminal shows for UTF-8 text (one per code point).
std::size_t displayWidth(std::string_view text);

}  // namespace kestive
