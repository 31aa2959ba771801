#pragma once
// The value store Text1: every stage keeps its inputs and results in
// these boxes. A stage owns the boxes of its pages and gives their design
// rows, so every box has exactly one row, and the frame describes none.

#include <span>
#include <string>
#include <vector>

#include "platform/design.hpp"
#include "platform/window.hpp"

namespace frame {

class Stage;

// How many boxes the value store holds: Text1(0) to Text1(kValueStoreSize - 1).
// The routing of the boxes' events follows it.
inline constexpr int kValueStoreSize = 352;

inline constexpr const char* kResultsCellText = "2222222";  // a results cell not yet filled
inline constexpr const char* kFlagDesignText = "0";          // a page-calculated flag not yet set

// The row of every index, from the stages. Indices with no row or with more
// than one, and rows outside the store, are named in `faults`.
std::vector<const platform::ControlDesign*> ValueStoreRows(const std::vector<Stage*>& stages,
                                                           std::vector<std::string>* faults = nullptr);

// Creates every box of the store in index order. The containers must exist already;
// throws std::logic_error naming every fault of the rows when there is one.
void BuildValueStore(platform::Window& w, const std::vector<Stage*>& stages);

// Throws std::logic_error naming every fault of the stages' rows, if there is one.
void CheckValueStoreRows(const std::vector<Stage*>& stages);

}  // namespace frame
