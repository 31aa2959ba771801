// docs/architecture.md names only what the tree holds: every file of the
// map exists, and every name of four characters or more in its `code` spans
// stands in the code itself, not only in a comment.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
  std::stringstream text;
  text << std::ifstream(file).rdbuf();
  return text.str();
}

bool NameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The names of a text, leaving out comments: C++ ones, and lines that begin
// with '#' where `hash` (the scenarios' comments).
void AddNames(const std::string& text, bool hash, std::set<std::string>& names) {
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "//") == 0 || (hash && text[i] == '#' && (i == 0 || text[i - 1] == '\n'))) {
      i = text.find('\n', i);
    } else if (text.compare(i, 2, "/*") == 0) {
      i = text.find("*/", i + 2);
      if (i != std::string::npos) i += 2;
    } else if (NameChar(text[i]) && !std::isdigit(static_cast<unsigned char>(text[i]))) {
      std::size_t end = i;
      while (end < text.size() && NameChar(text[end])) ++end;
      names.insert(text.substr(i, end - i));
      i = end;
    } else {
      ++i;
    }
    if (i == std::string::npos) break;
  }
}

TEST(ArchitectureMap, NamesOnlyFilesAndNamesOfTheTree) {
  const fs::path map = IC_ARCHITECTURE_MAP;
  const fs::path root = map.parent_path().parent_path();
  std::set<std::string> files, names;
  for (const char* folder : {"src", "tests", "bench"})
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string ext = entry.path().extension().string(), file = entry.path().filename().string();
      if (ext == ".cpp" || ext == ".hpp" || ext == ".scn" || file == "CMakeLists.txt") {
        files.insert(file);
        AddNames(Read(entry.path()), ext == ".scn", names);
      }
    }
  for (const char* file : {"CMakeLists.txt", "CMakePresets.json"}) AddNames(Read(root / file), false, names);

  const std::string text = Read(map);
  // A span on one line; a pattern (`*_fits.hpp`, `tests/<folder>/`) stands for no one name.
  const std::regex span("`([^`\n]+)`"), pattern(R"(.*(\*|<[a-z]+>).*)"), quoted(R"("[^"]*")");
  const std::regex path(R"([\w./-]*(/|\.(hpp|cpp|txt|scn|md))[\w./-]*)");
  int checked = 0;
  for (std::sregex_iterator s(text.begin(), text.end(), span), e; s != e; ++s, ++checked) {
    const std::string words = (*s)[1];
    if (std::regex_match(words, pattern) || words.starts_with("build/")) continue;  // or what the build writes
    if (std::regex_match(words, path)) {  // a file or folder: from the root, from src, or by its name
      const std::string file = words.substr(0, words.find("/."));  // "stage.hpp/.cpp": stage.hpp
      EXPECT_TRUE(fs::exists(root / file) || fs::exists(root / "src" / file) || files.contains(file)) << words;
      continue;
    }
    std::set<std::string> used;
    AddNames(std::regex_replace(words, quoted, ""), false, used);  // a caption in quotes is no name
    for (const std::string& name : used)
      EXPECT_TRUE(name.size() < 4 || names.contains(name)) << name << " in `" << words << "`";
  }
  EXPECT_GT(checked, 100);  // the map was read
}

// A first start builds the program alone; scripts/test builds the tests and benchmarks.
TEST(ArchitectureMap, TheRunScriptBuildsTheProgramAlone) {
  const std::string run = Read(fs::path(IC_ARCHITECTURE_MAP).parent_path().parent_path() / "scripts/run");
  EXPECT_TRUE(std::regex_search(run, std::regex("cmake --build .*--target insulation-coordination\n")));
  EXPECT_FALSE(std::regex_search(run, std::regex("cmake --build (?!.*--target insulation-coordination\n)")));
}

}  // namespace
