#pragma once
// The words the required-withstand pages write their dependency rows in: a
// value box, an option, and the summary values an accept copies, each of
// which depends on the strip result it copies and is passed on by the
// page's "Next >>".

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "frame/dependencies.hpp"
#include "required/summary_page.hpp"

namespace required {

using frame::Box;
using frame::Option;

// Rows is the number of copies in all the strips' summaries together.
template <std::size_t Rows>
constexpr std::array<frame::Dependency, Rows> AcceptedDependencies(
    std::initializer_list<std::span<const RwSummaryGroup>> strips, int pageNext) {
  std::array<frame::Dependency, Rows> rows{};
  std::size_t row = 0;
  for (std::span<const RwSummaryGroup> groups : strips)
    for (const RwSummaryGroup& group : groups)
      for (const RwCopy& copy : group.copies)
        rows.at(row++) = {Box(copy.summary), {Box(copy.result)}, {frame::ControlRef{"Command21", pageNext}}};
  if (row != Rows) throw "each copy of the summaries has one row";
  return rows;
}

}  // namespace required
