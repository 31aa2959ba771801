#include "scenario/script.hpp"

#include <filesystem>
#include <fstream>

#include "scenario/words.hpp"

namespace scenario {

namespace {

namespace fs = std::filesystem;

// The same file however it was named, for finding a cycle.
fs::path Identity(const std::string& file) {
  std::error_code ignored;
  return fs::weakly_canonical(file, ignored);
}

bool BeingRead(const Source* source, const fs::path& identity) {
  for (; source != nullptr; source = source->includedBy)
    if (Identity(source->file) == identity) return true;
  return false;
}

class Reader {
 public:
  explicit Reader(Script& script) : script_(script) {}

  // False when the file cannot be opened; its steps are added otherwise.
  bool Read(const Source& source) {
    std::ifstream in(source.file);
    if (!in) return false;
    std::string text;
    int line = 0;
    bool anyStep = false;
    while (std::getline(in, text)) {
      ++line;
      if (IsBlankOrComment(text)) continue;
      anyStep = true;
      SplitResult split = SplitWords(text);
      if (!split.error.empty()) {
        Fail(source, line, split.error);
      } else if (split.words[0] == "include") {
        Include(source, line, split.words);
      } else {
        script_.steps.push_back({&source, line, std::move(split.words), {}});
      }
    }
    if (!anyStep) Fail(source, line, "the scenario holds no step");
    return true;
  }

 private:
  void Fail(const Source& source, int line, std::string what) {
    script_.steps.push_back({&source, line, {}, std::move(what)});
  }

  void Include(const Source& source, int line, const std::vector<std::string>& words) {
    if (words.size() != 2) return Fail(source, line, "include takes 1 word(s)");
    const std::string file = (fs::path(source.file).parent_path() / words[1]).lexically_normal().string();
    if (BeingRead(&source, Identity(file)))
      return Fail(source, line, "include cycle: " + file + " is already being run");
    const Source& included = script_.sources.emplace_back(Source{file, &source, line});
    if (!Read(included)) Fail(source, line, "cannot read the included file " + file);
  }

  Script& script_;
};

}  // namespace

Script Load(const std::string& file) {
  Script script;
  const Source& top = script.sources.emplace_back(Source{file, nullptr, 0});
  if (!Reader(script).Read(top)) script.steps.push_back({&top, 0, {}, "cannot read the file"});
  return script;
}

std::string Where(const Source& source, int line) {
  std::string out = source.file + ":" + std::to_string(line);
  for (const Source* s = &source; s->includedBy != nullptr; s = s->includedBy)
    out += (s == &source ? " (included from " : ", from ") + s->includedBy->file + ":" + std::to_string(s->includedAt);
  return source.includedBy == nullptr ? out : out + ")";
}

}  // namespace scenario
