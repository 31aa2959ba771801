#include "platform/scripted_services.hpp"

namespace platform {

void ScriptedDialogs::messageBox(const std::string& prompt, const std::string& title) {
  messages.push_back({prompt, title});
}

std::string ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                      const std::string&) {
  inputs.push_back({prompt, title});
  if (answers_.empty()) {
    ++unansweredInputs;
    return "";
  }
  std::string answer = answers_.front();
  answers_.pop_front();
  return answer;
}

// A failing job fails at its first step; the caller abandons it there, so the
// next job starts on a working printer.
bool ScriptedPrinter::failOnce() {
  if (!failNext) return false;
  failNext = false;
  pagesInJob = 0;
  return true;
}

bool ScriptedPrinter::setOrientation(Orientation o) {
  if (failOnce()) return false;
  orientation = o;
  return true;
}

bool ScriptedPrinter::printWindow(const Window&) {
  if (failOnce()) return false;
  ++pagesInJob;
  return true;
}

bool ScriptedPrinter::endDoc() {
  if (failOnce()) return false;
  for (int i = 0; i < pagesInJob; ++i) printedPages.push_back(orientation);
  pagesInJob = 0;
  return true;
}

}  // namespace platform
