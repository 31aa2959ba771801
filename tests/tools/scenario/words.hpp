#pragma once
// Reading a scenario file: one step per line, words separated by blanks, a
// word with blanks in double quotes (inside quotes \" is a quote and \\ a
// backslash). Blank lines and lines starting with # hold no step.

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

struct SplitResult {
  std::vector<std::string> words;
  std::string error;  // empty when the line could be read
};

inline SplitResult SplitWords(std::string_view line) {
  SplitResult out;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inWord) out.words.push_back(word);
      word.clear();
      inWord = false;
    } else if (c == '"') {
      quoted = true;
      inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) {
    out.error = "a quote is not closed";
    return out;
  }
  if (inWord) out.words.push_back(word);
  return out;
}

// True for a line that holds no step.
inline bool IsBlankOrComment(std::string_view line) {
  const auto first = line.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos || line[first] == '#';
}

}  // namespace scenario
