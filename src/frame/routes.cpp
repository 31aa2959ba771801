#include "frame/routes.hpp"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <unordered_map>
#include <stdexcept>
#include <string_view>
#include <tuple>

#include "frame/value_store.hpp"
#include "platform/window.hpp"

namespace frame {

namespace {

using platform::EventType;

constexpr ArrayEventInfo kArrayEvents[] = {
    {Command21Click, "Command21", EventType::Click, 35},
    {Command25Click, "Command25", EventType::Click, 21},
    {Command28Click, "Command28", EventType::Click, 36},
    {Command29Click, "Command29", EventType::Click, 41},
    {Option1Click, "Option1", EventType::Click, 96},
    {Text1Change, "Text1", EventType::Change, kValueStoreSize - 1},
    {Text1LostFocus, "Text1", EventType::LostFocus, kValueStoreSize - 1},
    {Label33MouseMove, "Label33", EventType::MouseMove, 78},
    {Option1MouseMove, "Option1", EventType::MouseMove, 96},
    {Label41MouseMove, "Label41", EventType::MouseMove, 238},
    // The caption labels beside some options select them; the stages route the clicks like the others.
    {Label41Click, "Label41", EventType::Click, 238},
    {Frame30MouseMove, "Frame30", EventType::MouseMove, 14},
};

// The routed array whose dispatch the window holds for a name and event, if any.
const ArrayEventInfo* RoutedArray(std::string_view control, EventType type) {
  for (const ArrayEventInfo& info : kArrayEvents)
    if (info.array == control && info.type == type) return &info;
  return nullptr;
}

std::string Where(const std::source_location& w) {
  std::string file = w.file_name();
  // Print the path from the source folder on, whatever the build machine's prefix.
  if (const auto at = file.rfind("/src/"); at != std::string::npos) file = file.substr(at + 1);
  return file + ":" + std::to_string(w.line());
}

// The event procedure as the table prints it: Text1_Change(44), cmdOKUm_Click.
std::string Element(const Routes::Row& r) {
  std::string name = r.control + "_" + EventName(r.type);
  if (r.index) name += "(" + std::to_string(*r.index) + ")";
  return name;
}


// Where a row stands in the printed table: the arrays in their listed order
// by index, then the named controls by name, Command2 before Command10.
auto PrintOrder(const Routes::Row& r) {
  const ArrayEventInfo* array = r.index ? RoutedArray(r.control, r.type) : nullptr;
  const std::size_t arrayOrder = array ? static_cast<std::size_t>(array - kArrayEvents) : std::size(kArrayEvents);
  const std::string_view name = r.control;
  const std::size_t digits = name.find_last_not_of("0123456789") + 1;
  const int number = digits < name.size() ? std::stoi(std::string(name.substr(digits))) : -1;
  return std::make_tuple(arrayOrder, r.index.value_or(-1), name.substr(0, digits), number, r.type);
}

}  // namespace

const char* EventName(EventType type) {
  switch (type) {
    case EventType::Click: return "Click";
    case EventType::Change: return "Change";
    case EventType::LostFocus: return "LostFocus";
    case EventType::KeyPress: return "KeyPress";
    case EventType::MouseMove: return "MouseMove";
    case EventType::Count: break;
  }
  return "?";
}

const ArrayEventInfo& Info(ArrayEvent event) {
  for (const ArrayEventInfo& info : kArrayEvents)
    if (info.event == event) return info;
  throw std::logic_error("unknown array event");
}

void Routes::Add(std::string control, EventType type, std::optional<int> index,
                 std::variant<Procedure, EventProcedure> procedure, std::source_location where) {
  rows_.push_back({std::move(control), type, index, std::move(procedure), owner_, where});
  byIndex_.clear();
}

void Routes::on(ArrayEvent event, int index, Procedure procedure, std::source_location where) {
  const ArrayEventInfo& info = Info(event);
  Add(info.array, info.type, index, std::move(procedure), where);
}

void Routes::onEach(ArrayEvent event, int first, int last, std::function<void(int)> procedure,
                    std::source_location where) {
  for (int i = first; i <= last; ++i) on(event, i, [procedure, i] { procedure(i); }, where);
}

void Routes::on(std::string control, EventType type, Procedure procedure, std::source_location where) {
  Add(std::move(control), type, std::nullopt, std::move(procedure), where);
}

void Routes::on(std::string control, EventType type, EventProcedure procedure, std::source_location where) {
  Add(std::move(control), type, std::nullopt, std::move(procedure), where);
}

std::vector<std::string> Routes::Faults() const {
  std::vector<std::string> faults;
  const auto& byIndex = ByIndex();
  // A named control by its name and event; an array element by its place.
  std::unordered_map<std::string, const Row*> named;
  for (const Row& r : rows_) {
    const ArrayEventInfo* array = RoutedArray(r.control, r.type);
    const Row* first = nullptr;
    if (r.index && (*r.index < 0 || *r.index > array->lastIndex)) {
      faults.push_back(Element(r) + " lies outside its array (" + Where(r.where) + ")");
    } else if (r.index) {
      first = byIndex[static_cast<std::size_t>(array->event)][static_cast<std::size_t>(*r.index)];
    } else {
      if (array != nullptr)
        faults.push_back(Element(r) + " would take the place of the routing of every " + r.control + " (" +
                         Where(r.where) + ")");
      first = named.try_emplace(Element(r), &r).first->second;
    }
    if (first != nullptr && first != &r)
      faults.push_back(Element(r) + " is claimed twice: " + Where(first->where) + " and " + Where(r.where));
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

std::vector<std::string> Routes::Missing(const platform::Window& main) const {
  std::vector<std::string> missing;
  for (const Row& r : rows_)
    if (r.index ? main.find(r.control, *r.index) == nullptr : !main.has(r.control))
      missing.push_back(Element(r) + " answers a control that " + main.name() + " does not have (" + Where(r.where) +
                        ")");
  return missing;
}

const std::vector<std::vector<const Routes::Row*>>& Routes::ByIndex() const {
  if (!byIndex_.empty()) return byIndex_;
  byIndex_.resize(std::size(kArrayEvents));
  for (const ArrayEventInfo& info : kArrayEvents)
    byIndex_[static_cast<std::size_t>(info.event)].resize(static_cast<std::size_t>(info.lastIndex) + 1);
  for (const Row& r : rows_) {
    if (!r.index) continue;
    const ArrayEventInfo* array = RoutedArray(r.control, r.type);
    if (array == nullptr || *r.index < 0 || *r.index > array->lastIndex) continue;
    const Row*& slot = byIndex_[static_cast<std::size_t>(array->event)][static_cast<std::size_t>(*r.index)];
    if (slot == nullptr) slot = &r;  // the first of rows claimed twice, which Check refuses
  }
  return byIndex_;
}

const Routes::Row* Routes::Find(ArrayEvent event, int index) const {
  const std::vector<const Row*>& rows = ByIndex()[static_cast<std::size_t>(event)];
  return index >= 0 && static_cast<std::size_t>(index) < rows.size() ? rows[static_cast<std::size_t>(index)] : nullptr;
}

void Routes::Run(ArrayEvent event, int index) const {
  // A copy: the procedure may unload the window whose event brought it here.
  if (const Row* r = Find(event, index)) Procedure(std::get<Procedure>(r->procedure))();
}

void Routes::Bind(platform::Window& main) const {
  // Every main window is built from the same design: the first shows a row
  // that answers no control, before any event reaches it.
  if (!bound_) {
    const std::vector<std::string> missing = Missing(main);
    if (!missing.empty()) {
      std::string text = "the routing table does not stand:";
      for (const std::string& m : missing) text += "\n  " + m;
      throw std::logic_error(text);
    }
    bound_ = true;
  }
  for (const ArrayEventInfo& info : kArrayEvents) {
    main.on(info.array, info.type, [this, event = info.event](platform::Event& e) { Run(event, e.index); });
  }
  // The window keeps its own copy of each named row's procedure.
  for (const Row& r : rows_) {
    if (r.index) continue;
    if (const auto* procedure = std::get_if<Procedure>(&r.procedure))
      main.on(r.control, r.type, [procedure = *procedure](platform::Event&) { procedure(); });
    else
      main.on(r.control, r.type, std::get<EventProcedure>(r.procedure));
  }
}

void Routes::Print(std::ostream& out) const {
  std::vector<const Row*> sorted;
  for (const Row& r : rows_) sorted.push_back(&r);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Row* a, const Row* b) { return PrintOrder(*a) < PrintOrder(*b); });
  for (const Row* r : sorted) out << Element(*r) << "  " << r->owner << "  " << Where(r->where) << "\n";
}

}  // namespace frame
