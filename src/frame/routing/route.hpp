#pragma once
// One row of a routing table: the element index and what runs for it, either
// a procedure of the main window by name or one of the few actions the
// routing performs in place.

#include <span>

namespace program {

enum class InlineAction {
  None,
  HideFormulaStrip,     // "<<Back" of Formula I: the fast-front formula strip disappears
  K2EnterMode,          // "Enter" of the K2 page
  ShowK2FrequencyHelp,  // hover over the K2 caption of f
  HideFastFrontHelp,    // hover over a frame of the fast-front and withstand tabs
};

struct Route {
  int index;
  const char* procedure;  // nullptr for an inline row
  InlineAction action = InlineAction::None;
};

using RouteTable = std::span<const Route>;

// The routing tables of the main window's control arrays, one per event procedure.
namespace routes {
extern const RouteTable Command21Click;
extern const RouteTable Command25Click;
extern const RouteTable Command28Click;
extern const RouteTable Command29Click;
extern const RouteTable Option1Click;
extern const RouteTable Text1Change;
extern const RouteTable Text1LostFocus;
extern const RouteTable Label33MouseMove;
extern const RouteTable Option1MouseMove;
extern const RouteTable Label41MouseMove;
extern const RouteTable Frame30MouseMove;
}  // namespace routes

// The row of an index, nullptr when the index has none.
const Route* FindRoute(RouteTable table, int index);

}  // namespace program
