// The number-text helpers. They keep their working text in the shared
// module's scratch, as every caller expects, and write their box once, last,
// so a change handler raised by that write finds the scratch free again.

#include "frame/number_text.hpp"

#include <cmath>
#include <optional>

#include "platform/characters.hpp"
#include "platform/numbers.hpp"

namespace frame {

namespace {

constexpr char kDot = '.';
constexpr const char* kComma = ",";
constexpr int kFixedPointWidth = 8;
// The cut keeps four characters; from this value on the integer part alone is longer.
constexpr double kWholeFrom = 10000;

// The shared loop: at most `limit` characters of gNumText (0: all), dots
// turned into commas, into gNumResult. A comma in the dropped position is left out.
void ConvertScratch(Module1& g, int limit, int dropCommaAt) {
  g.gNumLength = 0;
  g.gNumResult.clear();
  // A character of several UTF-8 bytes stays whole, so a cut never leaves half of one.
  for (const std::string_view character : platform::Characters(g.gNumText)) {
    g.gNumChar = character;
    const int i = ++g.gNumLength;
    if (limit > 0 && i > limit) continue;  // counted, not taken
    if (g.gNumChar.size() == 1 && g.gNumChar[0] == kDot) g.gNumChar = kComma;
    if (i == dropCommaAt && g.gNumChar == kComma) continue;
    g.gNumResult += g.gNumChar;
  }
}

}  // namespace

void ReplaceDotWithComma(Module1& g, platform::Control& box) {
  g.gNumText = box.text();
  ConvertScratch(g, 0, 0);
  g.gNumText = g.gNumResult;
  // Written also when nothing changed: the box then raises no change.
  box.setText(g.gNumText);
}

void FormatFiveCharsWithComma(Module1& g, std::string& s, platform::Control& box) {
  g.gNumText = s;
  ConvertScratch(g, 5, 0);
  s = g.gNumResult;
  box.setText(s);
}

void FormatFourCharsWithComma(Module1& g, platform::Control& box) {
  // A comma in fourth place would end the cut text: it is dropped ("123.4" -> "123").
  g.gNumText = box.text();
  ConvertScratch(g, 4, 4);
  g.gNumText = g.gNumResult;
  box.setText(g.gNumText);
}

std::string FourCharsCopy(Module1& g, const std::string& text, platform::Control& scratch) {
  if (const std::optional<double> value = platform::TextToNumber(text)) {
    if (text.find_first_of("Ee") != std::string::npos) {
      g.gNumText = text;
      ConvertScratch(g, 0, 0);
      return g.gNumResult;
    }
    if (std::fabs(*value) >= kWholeFrom) return text.substr(0, text.find_first_of(",."));
  }
  scratch.setText(text);
  FormatFourCharsWithComma(g, scratch);
  return scratch.text();
}

bool FormatFixedPoint(Module1& g, const std::string& s, platform::Control& box) {
  g.gNumText = s;
  g.gNumLength = static_cast<int>(s.size());
  for (std::size_t i = 0; i < g.gNumChars.size(); ++i) g.gNumChars[i] = i < s.size() ? std::string(1, s[i]) : "";

  bool exponentForm = false;
  for (int j = 0; j < g.gNumLength && j < static_cast<int>(g.gNumChars.size()); ++j)
    if (g.gNumChars[static_cast<std::size_t>(j)] == "E") exponentForm = true;

  // The value comes from the program's own conversion, which reads any
  // exponent (also three digits) and refuses what a double cannot hold.
  const std::optional<double> value = platform::TextToNumber(s);
  if (!value) return false;
  if (!exponentForm) {
    g.gNumResult = platform::NumberToText(*value);
  } else {
    const std::optional<std::string> fixed = platform::FixedPointText(*value, kFixedPointWidth);
    if (!fixed) return false;
    g.gNumResult = *fixed;
  }
  box.setText(g.gNumResult);
  return true;
}

}  // namespace frame
