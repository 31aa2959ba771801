#pragma once
// The moves of the required-withstand pages (the strip SSTab1(6)): the page
// buttons, the inner strips that CALCULATE opens over a page, the accept that
// copies a strip's results into the page's summary, and the rules that enable
// each "Next >>". The four pages and their five strips are rows of data
// (the page design files); one set of procedures plays them all.

#include <span>
#include <vector>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace required {

// One summary box and the strip result the accept copies into it.
struct RwCopy {
  int summary, result;
};

// The labels Label4(firstLabel..lastLabel) of a summary and its boxes, in the
// order the accept fills them.
struct RwSummaryGroup {
  int firstLabel, lastLabel;
  std::span<const RwCopy> copies;
};

// An inner strip with its two tabs "Internal insulation" and "External insulation".
struct RwStrip {
  int strip;                          // SSTab1
  int intBack, intNext, extBack, extNext;  // Command29
  std::span<const int> intNextWatch;  // empty: the internal tab's "Next >>" is always usable
  std::span<const int> acceptWatch;   // the results the external tab's "Next >>" waits for
  std::span<const RwSummaryGroup> groups;
  int flag;                           // Text1 "1" once accepted; kNoIndex for none
  int calculate;                      // Command25 whose caption the accept changes
  const char* recalculated;
};

// A "Next >>" and the boxes it waits for.
struct RwNextRule {
  const char* array;  // "Command21" or "Command29"
  int button;
  std::span<const int> watched;
};

// One page's design: its controls, its value-store boxes, and what each
// summary value its accepts fill is computed from.
struct RwPageDesign {
  std::span<const platform::ControlDesign> controls, boxes;
  std::span<const frame::Dependency> accepted;
};
RwPageDesign RwTovPageDesign();
RwPageDesign RwSlowFrontPageDesign();
RwPageDesign RwFastFrontPageDesign();
RwPageDesign RwConversionPageDesign();

// The strips of the pages, and the rules of the "Next >>" buttons.
const RwStrip& RwTovStrip();
const RwStrip& RwSlowFrontStrip();
const RwStrip& RwFastFrontStrip();
const RwStrip& RwSiwStrip();
const RwStrip& RwSdwLiwStrip();
std::span<const RwNextRule> RwNextRules();

class RwPageFlow {
 public:
  explicit RwPageFlow(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);
  static std::vector<std::span<const platform::ControlDesign>> ValueStoreRows();

  // The first step of every CALCULATE: the strip opens on its internal tab.
  void OpenStrip(const RwStrip& strip);
  // OpenConversionTabs: the strip of the range, nothing calculated.
  void OpenConversionTabs();
  const RwStrip& ConversionStrip() const;
  // CloseUrwTovTabs and the like: the strip hidden, its contents kept.
  void CloseStrip(const RwStrip& strip);
  void OpenExternalTab(const RwStrip& strip);
  void BackToInternalTab(const RwStrip& strip);
  // AcceptUrwTov and the like: the results into the page's summary.
  void Accept(const RwStrip& strip);

  // A box that a later page or stage can read: a number, or "Ignored" where
  // the fast-front value of external insulation may be ignored (Range II).
  bool IsGiven(int slot) const;
  void FollowNext(const RwNextRule& rule);
  // ShowUrwFastFrontExtPeUnit and ...PpUnit: "kV" only beside a value.
  void ShowExternalUnit(int slot);

 private:
  frame::App& app_;
};

}  // namespace required
