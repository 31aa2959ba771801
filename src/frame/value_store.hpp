#pragma once
// The value store Text1(0..351): every stage keeps its inputs and results in
// these boxes. The frame gives each box a generic design row built from the
// store's rules; a stage that owns a box supplies its own row instead.

#include <span>
#include <vector>

#include "platform/design.hpp"
#include "platform/window.hpp"

namespace frame {

inline constexpr const char* kResultsCellText = "2222222";  // a results cell not yet filled
inline constexpr const char* kFlagDesignText = "0";          // a page-calculated flag not yet set

// The frame's design row of every box, index i at position i.
std::span<const platform::ControlDesign> GenericValueStoreRows();

// Creates Text1(0..351) in index order: a stage's row where one is given,
// the generic row otherwise. The containers must exist already.
void BuildValueStore(platform::Window& w, const std::vector<std::span<const platform::ControlDesign>>& stageRows);

}  // namespace frame
