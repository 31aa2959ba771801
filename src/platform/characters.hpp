#pragma once
// A box's text is UTF-8, and a person types it one character at a time. A
// character is a lead byte and the continuation bytes (10xxxxxx) after it. It
// is well formed when as many continuation bytes follow as its lead byte says,
// and its code is written in its shortest form, is no surrogate and is at most
// U+10FFFF. Any other run of bytes (a stray continuation byte, a lead byte that
// begins no character, too many or too few continuation bytes) is one
// malformed character: no key types it and no paste puts it in a box.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The characters of TEXT, each a view of its bytes.
std::vector<std::string_view> Characters(std::string_view text);
// Where the character that begins at `at` ends.
std::size_t CharacterEnd(std::string_view text, std::size_t at);

// The code of one character, as its key press reports it ("\xc3\xa9", é, is
// 233); none for a malformed one.
std::optional<int> CharacterCode(std::string_view character);

// The character of a code that a key press procedure put in place of the key
// typed; "" for a code that is no character.
std::string CharacterOfCode(int code);

// TEXT without its malformed characters.
std::string WellFormedCharacters(std::string_view text);

}  // namespace platform
