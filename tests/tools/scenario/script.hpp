#pragma once
// A scenario file read into one flat list of steps: each `include PATH` line
// is replaced by the steps of the file it names (PATH taken from the folder
// of the including file), so a run never has to know where a step came from,
// except to say so when it fails.

#include <deque>
#include <string>
#include <vector>

namespace scenario {

// A file of the script: the file run, or one that an include line brought in.
struct Source {
  std::string file;  // the path as named: the file run, or the including folder joined with PATH
  const Source* includedBy = nullptr;
  int includedAt = 0;  // the include's line in includedBy
};

struct Step {
  const Source* source = nullptr;
  int line = 0;
  std::vector<std::string> words;
  std::string error;  // a line that cannot run (an open quote, a bad include) fails with this
};

struct Script {
  Script() = default;
  Script(Script&&) = default;  // a moved deque keeps its elements where they are
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;

  std::deque<Source> sources;  // a deque: the steps point into it while files are added
  std::vector<Step> steps;
};

// Reads FILE and every file it includes. What cannot be read (the file, a
// line, an included file) and an include cycle become steps that fail.
Script Load(const std::string& file);

// "roads/k2_page_420kv.scn:3 (included from k2_modes.scn:7)": the line, then
// each include line that led to it, innermost first.
std::string Where(const Source& source, int line);

}  // namespace scenario
