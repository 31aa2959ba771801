#include "frame/value_store.hpp"

#include <stdexcept>
#include <string_view>

#include "frame/stage.hpp"

namespace frame {

namespace {

// A row of a box outside the store would never be built: it is a fault.
void Add(std::vector<std::vector<const platform::ControlDesign*>>& rows, std::span<const platform::ControlDesign> span,
         const Stage& stage, std::vector<std::string>* faults) {
  for (const platform::ControlDesign& d : span) {
    if (std::string_view(d.name) != "Text1") continue;
    if (d.index >= 0 && d.index < kValueStoreSize) rows[static_cast<std::size_t>(d.index)].push_back(&d);
    else if (faults != nullptr)
      faults->push_back("Text1(" + std::to_string(d.index) + ") of the stage " + stage.Name() +
                        (d.index < 0 ? " has a negative index"
                                     : " lies beyond the value store of " + std::to_string(kValueStoreSize) + " boxes"));
  }
}

// Every row that does not stand, one a line, so that one start-up shows them all.
std::string FaultsText(const std::vector<std::string>& faults) {
  std::string text = "the value store does not stand:";
  for (const std::string& f : faults) text += "\n  " + f;
  return text;
}

}  // namespace

std::vector<const platform::ControlDesign*> ValueStoreRows(const std::vector<Stage*>& stages,
                                                           std::vector<std::string>* faults) {
  std::vector<std::vector<const platform::ControlDesign*>> all(kValueStoreSize);
  for (const Stage* stage : stages)
    for (const auto& table : stage->ValueStoreRows()) Add(all, table, *stage, faults);
  std::vector<const platform::ControlDesign*> rows(kValueStoreSize, nullptr);
  for (int i = 0; i < kValueStoreSize; ++i) {
    const auto& found = all[static_cast<std::size_t>(i)];
    if (found.size() == 1) rows[static_cast<std::size_t>(i)] = found.front();
    else if (faults != nullptr)
      faults->push_back("Text1(" + std::to_string(i) + ") has " + std::to_string(found.size()) + " design rows");
  }
  return rows;
}

void BuildValueStore(platform::Window& w, const std::vector<Stage*>& stages) {
  std::vector<std::string> faults;
  const auto rows = ValueStoreRows(stages, &faults);
  if (!faults.empty()) throw std::logic_error(FaultsText(faults));
  for (const platform::ControlDesign* d : rows) w.create(*d);
}

void CheckValueStoreRows(const std::vector<Stage*>& stages) {
  std::vector<std::string> faults;
  ValueStoreRows(stages, &faults);
  if (!faults.empty()) throw std::logic_error(FaultsText(faults));
}

}  // namespace frame
