#include "platform/characters.hpp"

namespace platform {

namespace {

bool IsContinuationByte(char ch) { return (static_cast<unsigned char>(ch) & 0xC0) == 0x80; }

bool IsCharacterCode(unsigned code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

// How many continuation bytes follow the lead byte: 110xxxxx one, 1110xxxx
// two, 11110xxx three; none for a byte that begins no character.
std::optional<std::size_t> Continuations(unsigned char lead) {
  if (lead < 0x80) return 0;
  if (lead < 0xC0) return std::nullopt;  // a continuation byte
  if (lead < 0xE0) return 1;
  if (lead < 0xF0) return 2;
  if (lead < 0xF8) return 3;
  return std::nullopt;
}

// The lowest code written with so many continuation bytes: a lower one would be overlong.
constexpr unsigned kLowest[] = {0, 0x80, 0x800, 0x10000};

}  // namespace

std::size_t CharacterEnd(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && IsContinuationByte(text[end])) ++end;
  return end;
}

std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t at = 0, end = 0; at < text.size(); at = end) {
    end = CharacterEnd(text, at);
    out.push_back(text.substr(at, end - at));
  }
  return out;
}

std::optional<int> CharacterCode(std::string_view character) {
  if (character.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(character.front());
  const std::optional<std::size_t> continuations = Continuations(lead);
  if (!continuations || character.size() != *continuations + 1) return std::nullopt;
  unsigned code = *continuations == 0 ? lead : lead & (0x7Fu >> (*continuations + 1));
  for (const char ch : character.substr(1)) {
    if (!IsContinuationByte(ch)) return std::nullopt;
    code = code << 6 | (static_cast<unsigned char>(ch) & 0x3Fu);
  }
  if (code < kLowest[*continuations] || !IsCharacterCode(code)) return std::nullopt;
  return static_cast<int>(code);
}

std::string CharacterOfCode(int code) {
  const auto c = static_cast<unsigned>(code);
  if (code < 0 || !IsCharacterCode(c)) return "";
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  static constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};  // by the continuation bytes that follow
  const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  std::string out(1, static_cast<char>(kLead[continuations] | c >> (6 * continuations)));
  for (int i = continuations - 1; i >= 0; --i) out += static_cast<char>(0x80 | (c >> (6 * i) & 0x3F));
  return out;
}

std::string WellFormedCharacters(std::string_view text) {
  std::string out;
  for (const std::string_view character : Characters(text))
    if (CharacterCode(character)) out += character;
  return out;
}

}  // namespace platform
