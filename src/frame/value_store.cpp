#include "frame/value_store.hpp"

#include <array>
#include <string_view>

#include "frame/app.hpp"

namespace frame {

void BuildValueStore(platform::Window& w, const std::vector<std::span<const platform::ControlDesign>>& stageRows) {
  std::array<const platform::ControlDesign*, kValueStoreSize> rows{};
  const auto generic = GenericValueStoreRows();
  for (int i = 0; i < kValueStoreSize; ++i) rows[static_cast<std::size_t>(i)] = &generic[static_cast<std::size_t>(i)];
  for (const auto& span : stageRows)
    for (const platform::ControlDesign& d : span)
      if (std::string_view(d.name) == "Text1" && d.index >= 0 && d.index < kValueStoreSize)
        rows[static_cast<std::size_t>(d.index)] = &d;
  for (const platform::ControlDesign* d : rows) w.create(*d);
}

}  // namespace frame
