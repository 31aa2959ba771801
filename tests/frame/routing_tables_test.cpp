// The routing tables as data: one target per index, every index inside its
// array, and every named procedure registered by some page of the program.

#include <set>
#include <string>

#include "program_fixture.hpp"

using namespace program;

namespace {

struct Array {
  const char* name;
  RouteTable table;
  int last;  // the highest element index of the array
};

std::vector<Array> Arrays() {
  using namespace routes;
  return {{"Command21 click", Command21Click, 35},  {"Command25 click", Command25Click, 21},
          {"Command28 click", Command28Click, 36},  {"Command29 click", Command29Click, 41},
          {"Option1 click", Option1Click, 96},     {"Text1 change", Text1Change, 351},
          {"Text1 lost focus", Text1LostFocus, 351}, {"Label33 mouse move", Label33MouseMove, 78},
          {"Option1 mouse move", Option1MouseMove, 96}, {"Label41 mouse move", Label41MouseMove, 238},
          {"Frame30 mouse move", Frame30MouseMove, 14}};
}

}  // namespace

TEST(RoutingTables, EveryIndexHasOneTargetInsideItsArray) {
  for (const Array& a : Arrays()) {
    std::set<int> seen;
    for (const Route& r : a.table) {
      EXPECT_TRUE(seen.insert(r.index).second) << a.name << ": index " << r.index << " has two rows";
      EXPECT_GE(r.index, 0) << a.name;
      EXPECT_LE(r.index, a.last) << a.name;
      // A row either names a procedure or is one of the routing's own actions.
      EXPECT_EQ(r.procedure == nullptr, r.action != InlineAction::None) << a.name << " index " << r.index;
    }
  }
  EXPECT_EQ(FindRoute(routes::Label33MouseMove, 75), nullptr);  // Label33 has no element 75
}

TEST(RoutingTables, ElementsThatNoPageShowsHaveNoRow) {
  EXPECT_EQ(FindRoute(routes::Command29Click, 22), nullptr);
  EXPECT_EQ(FindRoute(routes::Command29Click, 23), nullptr);
  EXPECT_EQ(FindRoute(routes::Option1Click, 28), nullptr);
  EXPECT_EQ(FindRoute(routes::Text1Change, 0), nullptr);  // the flag of the factor-page flow
  for (int subscript : {23, 25, 27}) EXPECT_EQ(FindRoute(routes::Label33MouseMove, subscript), nullptr);
}

TEST(RoutingTables, BothRestartButtonsRunTheSameRestart) {
  ASSERT_NE(FindRoute(routes::Command21Click, 0), nullptr);
  ASSERT_NE(FindRoute(routes::Command25Click, 19), nullptr);
  EXPECT_STREQ(FindRoute(routes::Command21Click, 0)->procedure, "RestartProgram");
  EXPECT_STREQ(FindRoute(routes::Command25Click, 19)->procedure, "RestartProgram");
}

TEST(RoutingTables, EveryRowNamesARegisteredProcedure) {
  platform::HeadlessPlatform h;
  Program prog(h.platform);
  std::set<std::string> missing;
  for (const Array& a : Arrays())
    for (const Route& r : a.table)
      if (r.procedure != nullptr && !prog.procedures.has(r.procedure)) missing.insert(r.procedure);
  std::string list;
  for (const auto& m : missing) list += " " + m;
  EXPECT_TRUE(missing.empty()) << missing.size() << " routed procedures are not registered:" << list;
}
