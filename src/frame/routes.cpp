#include "frame/routes.hpp"

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "platform/window.hpp"

namespace frame {

namespace {

using platform::EventType;

constexpr ArrayEventInfo kArrayEvents[] = {
    {Command21Click, "Command21", EventType::Click, "Command21_Click", 35},
    {Command25Click, "Command25", EventType::Click, "Command25_Click", 21},
    {Command28Click, "Command28", EventType::Click, "Command28_Click", 36},
    {Command29Click, "Command29", EventType::Click, "Command29_Click", 41},
    {Option1Click, "Option1", EventType::Click, "Option1_Click", 96},
    {Text1Change, "Text1", EventType::Change, "Text1_Change", 351},
    {Text1LostFocus, "Text1", EventType::LostFocus, "Text1_LostFocus", 351},
    {Label33MouseMove, "Label33", EventType::MouseMove, "Label33_MouseMove", 78},
    {Option1MouseMove, "Option1", EventType::MouseMove, "Option1_MouseMove", 96},
    {Label41MouseMove, "Label41", EventType::MouseMove, "Label41_MouseMove", 238},
    // The caption labels beside some options select them; the stages route the clicks like the others.
    {Label41Click, "Label41", EventType::Click, "Label41_Click", 238},
    {Frame30MouseMove, "Frame30", EventType::MouseMove, "Frame30_MouseMove", 14},
};

std::string Where(const std::source_location& w) {
  std::string file = w.file_name();
  // Print the path from the source folder on, whatever the build machine's prefix.
  if (const auto at = file.rfind("/src/"); at != std::string::npos) file = file.substr(at + 1);
  return file + ":" + std::to_string(w.line());
}

std::string Element(const Routes::Row& r) {
  return std::string(Info(r.event).procedure) + "(" + std::to_string(r.index) + ")";
}

}  // namespace

std::span<const ArrayEventInfo> ArrayEvents() { return kArrayEvents; }

const ArrayEventInfo& Info(ArrayEvent event) {
  for (const ArrayEventInfo& info : kArrayEvents)
    if (info.event == event) return info;
  throw std::logic_error("unknown array event");
}

void Routes::on(ArrayEvent event, int index, Procedure procedure, std::source_location where) {
  rows_.push_back({event, index, std::move(procedure), owner_, where});
}

void Routes::onEach(ArrayEvent event, int first, int last, std::function<void(int)> procedure,
                    std::source_location where) {
  for (int i = first; i <= last; ++i) on(event, i, [procedure, i] { procedure(i); }, where);
}

std::vector<std::string> Routes::Faults() const {
  std::vector<std::string> faults;
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    const Row& r = rows_[k];
    if (r.index < 0 || r.index > Info(r.event).lastIndex)
      faults.push_back(Element(r) + " lies outside its array (" + Where(r.where) + ")");
    for (std::size_t j = 0; j < k; ++j)
      if (rows_[j].event == r.event && rows_[j].index == r.index)
        faults.push_back(Element(r) + " is claimed twice: " + Where(rows_[j].where) + " and " + Where(r.where));
  }
  return faults;
}

void Routes::Check() const {
  const std::vector<std::string> faults = Faults();
  if (faults.empty()) return;
  std::string text = "the routing table does not stand:";
  for (const std::string& f : faults) text += "\n  " + f;
  throw std::logic_error(text);
}

const Routes::Row* Routes::Find(ArrayEvent event, int index) const {
  for (const Row& r : rows_)
    if (r.event == event && r.index == index) return &r;
  return nullptr;
}

void Routes::Run(ArrayEvent event, int index) const {
  // A copy: the procedure may unload the window whose event brought it here.
  if (const Row* r = Find(event, index)) Procedure(r->procedure)();
}

void Routes::Bind(platform::Window& main) const {
  for (const ArrayEventInfo& info : kArrayEvents) {
    main.on(info.array, info.type, [this, event = info.event](platform::Event& e) { Run(event, e.index); });
  }
}

void Routes::Print(std::ostream& out) const {
  std::vector<const Row*> sorted;
  for (const Row& r : rows_) sorted.push_back(&r);
  std::stable_sort(sorted.begin(), sorted.end(), [](const Row* a, const Row* b) {
    return a->event != b->event ? a->event < b->event : a->index < b->index;
  });
  for (const Row* r : sorted) out << Element(*r) << "  " << r->owner << "  " << Where(r->where) << "\n";
}

}  // namespace frame
