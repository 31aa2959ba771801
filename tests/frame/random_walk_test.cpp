// A seeded random walk over the whole program: a person who clicks, types,
// presses Enter, moves the focus and the mouse and answers input boxes at
// random. Each stretch of the walk sets out from a point of one of the two
// worked roads, first from those that show pages the walk has not reached,
// so that every page is reached however the chance steps fall and however
// long the walk. The program must never crash; no control may ever show a
// number text of a value that is not finite, a "-0" or a cut exponent form;
// no shown result may outlive a change of what it was computed from; no
// enabled button may pass on a value that is not there; and what the
// procedures read and write must agree with what the pages declare of them
// (the frame's audit).
//
// IC_WALK_SEEDS and IC_WALK_STEPS set the number of seeds and the steps in
// all, for long runs.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/scripted_services.hpp"
#include "program/program.hpp"
#include "scenario/run.hpp"
#include "scenario/session.hpp"

using namespace platform;

namespace {

// A small generator defined here, so a seed means the same walk everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }
  template <class T>
  const T& pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))]; }

 private:
  std::uint64_t state_;
};

// Texts a person might type. The letters leave out a, f, i and n, so any
// "nan" or "inf" in a box comes from the program, not from the typing.
std::string RandomText(Random& r) {
  static const std::vector<std::string> kEdgeTexts = {
      "0", "1", "-1", "245", "245,1", "420", "420.5", "1E308", "1E-308", "1e999", "-0", "0,0", ",5", ".5",
      "1,2,3", "1.000.5", "999999", "99999999", "0,000001", "1E+15", "3E-5", "", " ", "-", "E"};
  switch (r.below(5)) {
    case 0: return r.pick(kEdgeTexts);
    case 1: return std::to_string(r.below(1000));
    case 2: return std::to_string(r.below(600)) + (r.chance(50) ? "," : ".") + std::to_string(r.below(100));
    case 3: {
      static const std::string kChars = "0123456789,.-+eE bcdgkxyzBCDGXYZ";
      std::string t;
      const int length = r.chance(20) ? 10 + r.below(40) : 1 + r.below(8);
      for (int i = 0; i < length; ++i) t += kChars[static_cast<std::size_t>(r.below(static_cast<int>(kChars.size())))];
      return t;
    }
    default: return std::to_string(1 + r.below(9)) + (r.chance(50) ? ",0" : "");
  }
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Whether "nan" or "inf" (any case) stands in the text; inWordsToo: also
// inside a word. Runs after every step over every control, so it copies nothing.
bool HoldsNotFiniteWord(const std::string& s, bool inWordsToo) {
  for (std::size_t i = 0; i + 3 <= s.size(); ++i) {
    const char a = Lower(s[i]), b = Lower(s[i + 1]), c = Lower(s[i + 2]);
    if (!((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f'))) continue;
    if (inWordsToo) return true;
    const bool letterBefore = i > 0 && IsLetter(s[i - 1]);
    const bool letterAfter = i + 3 < s.size() && IsLetter(s[i + 3]);
    if (!letterBefore && !letterAfter) return true;
  }
  return false;
}

// Typed texts hold none of the letters, so a box may hold them nowhere; in a
// caption a word such as "resonance" may, but a number text never stands
// inside a word.
bool HoldsNotFinite(const std::string& s) { return HoldsNotFiniteWord(s, true); }
bool CaptionHoldsNotFinite(const std::string& s) { return HoldsNotFiniteWord(s, false); }

bool Usable(const Control& c) {
  if (c.kind() == Kind::Line || c.kind() == Kind::Shape || !c.isShown()) return false;
  for (const Control* k = &c; k != nullptr; k = k->container())
    if (!k->enabled()) return false;
  return true;
}

bool LeadsBack(const Control& c) {
  if (c.kind() != Kind::CommandButton) return false;
  const std::string& t = c.caption();
  return t.find("Back") != std::string::npos || t.find("Restart") != std::string::npos ||
         t.find("Exit") != std::string::npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A results cell shows its value with the unit.
std::string WithoutUnit(std::string t) {
  if (t.size() > 3 && t.ends_with(" kV")) t.resize(t.size() - 3);
  return t;
}

// A number text the program wrote that a person must never see: a negative
// zero, or an exponent form that lost its end ("1,5E+", "2E+1" of 2E+15).
// The program writes exponents with a sign and at least two digits.
bool IsBrokenNumberText(const std::string& text) {
  const std::string t = WithoutUnit(text);
  if (t.starts_with("-0") && t.find_first_not_of("0,", 1) == std::string::npos) return true;
  for (std::size_t i = 1; i < t.size(); ++i) {
    if ((t[i] != 'E' && t[i] != 'e') || !(IsDigit(t[i - 1]) || t[i - 1] == ',')) continue;
    const std::string rest = t.substr(i + 1);
    if (rest.size() < 3 || rest.size() > 4 || (rest[0] != '+' && rest[0] != '-')) return true;
    for (std::size_t k = 1; k < rest.size(); ++k)
      if (!IsDigit(rest[k])) return true;
  }
  return false;
}

// What the walk reached, over all seeds; of a point of a road, the pages it shows.
struct Reach {
  std::set<int> mainPages;
  std::set<std::string> strips;  // "SSTab1(4):1": a strip shown on one of its pages
  std::set<std::string> acted;   // every control acted on

  // The main page and each shown strip's page of the main window as it stands.
  void See(const Window& main) {
    if (main.shown() && main("tabGeneral").enabled()) mainPages.insert(main("tabGeneral").tab());
    for (const auto& c : main.controls())
      if (c->kind() == Kind::TabStrip && c->isShown()) strips.insert(c->displayName() + ":" + std::to_string(c->tab()));
  }
  // How many of these pages OF has not seen.
  std::size_t NotIn(const Reach& of) const {
    std::size_t n = 0;
    for (int page : mainPages) n += of.mainPages.contains(page) ? 0 : 1;
    for (const std::string& page : strips) n += of.strips.contains(page) ? 0 : 1;
    return n;
  }
  bool operator==(const Reach&) const = default;
};

// A point a stretch of the walk sets out from: the first steps of a road, and
// the pages a person sees there.
struct Start {
  std::size_t road;
  std::size_t steps;
  Reach shows;
};

// Every step of the roads after which a person sees other pages than before:
// each page that a road passes is a point to set out from.
std::vector<Start> StartPoints(const std::vector<std::filesystem::path>& roads) {
  std::vector<Start> starts;
  for (std::size_t i = 0; i < roads.size(); ++i) {
    const scenario::Script road = scenario::Load(roads[i].string());
    Reach seen;
    std::ostringstream ignored;
    scenario::Run(road, ignored, [&](scenario::Session& s, const scenario::Step& step) {
      Reach pages;
      if (const Window* main = s.platform().window("frmVarno"); main != nullptr) pages.See(*main);
      if (pages != seen) starts.push_back({i, static_cast<std::size_t>(&step - road.steps.data()) + 1, pages});
      seen = std::move(pages);
    });
  }
  return starts;
}

// The point that shows the most pages the walk has not reached, the first
// of equals; nullptr once the walk has reached every page of every point.
const Start* Unreached(const std::vector<Start>& starts, const Reach& reach) {
  const Start* most = nullptr;
  for (const Start& s : starts)
    if (s.shows.NotIn(reach) > (most == nullptr ? 0 : most->shows.NotIn(reach))) most = &s;
  return most;
}

// Each page of the main window's strips that the walk never saw, by its
// strip, its index and its caption; the stages' strip's as main pages too.
std::string Missed(const Window& main, const Reach& reach) {
  std::string missed;
  for (const auto& c : main.controls())
    for (int page = 0; page < c->tabCount(); ++page) {
      const std::string where = c->displayName() + " page " + std::to_string(page) + " \"" + c->tabCaption(page) + "\"";
      if (c.get() == &main("tabGeneral") && !reach.mainPages.contains(page)) missed += "\n  main page: " + where;
      if (!reach.strips.contains(c->displayName() + ":" + std::to_string(page))) missed += "\n  " + where;
    }
  return missed;
}

// One stretch of the walk on a running program: a person at random.
class Walk {
 public:
  Walk(Random& r, scenario::Session& s, Reach& reach)
      : r_(r), d_(s.driver()), audit_(s.audit()), reach_(reach), watcher_(d_.platform) {
    d_.platform.addWatcher(&watcher_);
  }
  ~Walk() { d_.platform.removeWatcher(&watcher_); }
  Walk(const Walk&) = delete;
  Walk& operator=(const Walk&) = delete;

  bool Ended() const { return d_.platform.exited() || d_.platform.windows().empty(); }

  // One thing a person does. Returns a description for the failure report.
  std::string Step() {
    Platform& p = d_.platform;
    // Every ENTER finds its answers, so that the pages behind it are reached.
    while (d_.headless.dialogs.pendingAnswers() < 4) {
      if (r_.chance(10)) {
        d_.headless.dialogs.queueCancel();
      } else {
        const std::string answer = RandomText(r_);
        watcher_.Given(answer);
        d_.headless.dialogs.queueAnswer(answer);
      }
    }
    if (r_.chance(1)) d_.headless.printer.failNext = r_.chance(50);
    std::vector<Control*> usable;
    for (Window* w : p.windows())
      for (const auto& c : w->controls())
        if (Usable(*c)) usable.push_back(c.get());
    if (usable.empty()) {
      if (r_.chance(50)) p.close(*r_.pick(p.windows()));
      return "close";
    }
    // Prefer controls a person acts on over the many labels, and going on
    // over going back, so that the walk reaches the later pages.
    Control* c = r_.pick(usable);
    for (int tries = 0; tries < 3 && (c->kind() == Kind::Label || (LeadsBack(*c) && r_.chance(90))); ++tries)
      c = r_.pick(usable);
    const std::string who = c->window().name() + "." + c->displayName();
    reach_.acted.insert(who);
    switch (c->kind()) {
      case Kind::TextBox:
        switch (r_.below(6)) {
          case 0: case 1: {
            const std::string t = RandomText(r_);
            p.typeText(*c, t);
            return "type " + who + " " + t;
          }
          case 2: {
            const std::string t = RandomText(r_);
            p.setTextByUser(*c, t);
            return "set " + who + " " + t;
          }
          case 3: p.setTextByUser(*c, ""); return "clear " + who;
          case 4: p.keyPress(*c, 13); return "key " + who + " 13";
          default: p.focus(*c); return "focus " + who;
        }
      case Kind::TabStrip: {
        const int page = r_.below(c->tabCount() > 0 ? c->tabCount() : 1);
        p.clickTab(*c, page);
        return "tab " + who + " " + std::to_string(page);
      }
      case Kind::Label: case Kind::Frame: case Kind::OptionButton:
        if (r_.chance(50)) {
          p.mouseMove(*c);
          return "hover " + who;
        }
        p.click(*c);
        return "click " + who;
      default:
        if (r_.chance(10)) {
          p.mouseMove(*c);
          return "hover " + who;
        }
        if (r_.chance(5)) {
          p.focus(*c);
          return "focus " + who;
        }
        p.click(*c);
        return "click " + who;
    }
  }

  // The first fault the program showed, or "".
  std::string Fault() {
    if (!watcher_.found.empty()) return watcher_.found;
    for (const std::string& fault : audit_.TakeFaults()) return fault;
    if (Ended()) return "";
    const Window* main = d_.platform.window("frmVarno");
    if (main == nullptr) return "";
    for (const std::string& stale : d_.app().dependencies.Stale()) return stale;
    for (const std::string& empty : d_.app().dependencies.PassedOnEmpty()) return empty;
    reach_.See(*main);
    return "";
  }

 private:
  // Looks at every text and caption as the program writes it, so a fault
  // is caught even when a later step would overwrite it.
  struct Watcher : Observer {
    explicit Watcher(const Platform& p) : platform(p) {}
    const Platform& platform;
    std::string found;
    // What the person typed or answered: the program may copy it as it
    // stands or with its dots as commas, a "-0" or "1E+1" of theirs included.
    std::set<std::string> typed;
    void Given(std::string t) {
      typed.insert(t);
      for (char& ch : t)
        if (ch == '.') ch = ',';
      typed.insert(t);
    }
    void look(const Control& c) {
      if (!found.empty()) return;
      if (c.kind() == Kind::TextBox) {
        if (HoldsNotFinite(c.text())) found = c.displayName() + " text " + c.text();
        if (&c == platform.userEditing()) Given(c.text());
        else if (!typed.contains(WithoutUnit(c.text())) && IsBrokenNumberText(c.text()))
          found = c.displayName() + " was written " + c.text();
      } else if (c.kind() != Kind::Image && CaptionHoldsNotFinite(c.caption())) {
        found = c.displayName() + " caption " + c.caption();
      }
      for (int i = 0; found.empty() && i < c.tabCount(); ++i)
        if (CaptionHoldsNotFinite(c.tabCaption(i))) found = c.displayName() + " page caption " + c.tabCaption(i);
    }
    void controlChanged(Control& c, Property p) override {
      if (p == Property::Text || p == Property::Caption || p == Property::TabCaption) look(c);
    }
    void windowCaptionChanged(Window& w) override {
      if (found.empty() && CaptionHoldsNotFinite(w.caption())) found = w.name() + " caption " + w.caption();
    }
  };

  Random& r_;
  support::Driver& d_;
  frame::Audit& audit_;
  Reach& reach_;
  Watcher watcher_;
};

int FromEnvironment(const char* name, int otherwise) {
  const char* v = std::getenv(name);
  return v != nullptr && std::atoi(v) > 0 ? std::atoi(v) : otherwise;
}

TEST(RandomWalk, SeesNumberTextsAPersonMustNotSee) {
  EXPECT_TRUE(HoldsNotFinite("-INF"));
  EXPECT_TRUE(HoldsNotFinite("1,#QNaN"));
  EXPECT_TRUE(CaptionHoldsNotFinite("Urp = inf kV"));
  EXPECT_TRUE(CaptionHoldsNotFinite("NAN"));
  EXPECT_FALSE(CaptionHoldsNotFinite("Resonance effects K4"));
  EXPECT_FALSE(CaptionHoldsNotFinite("Information"));
  for (const char* broken : {"-0", "-0,0", "1,5E+", "1,5E", "2E+1", "1 kV", "1,5E+2 kV"})
    EXPECT_EQ(IsBrokenNumberText(broken), std::string(broken) != "1 kV") << broken;
  for (const char* fine : {"0", "-0,5", "1,5E+20", "3E-05", "1,2E+300 kV", "Ignored", "2222222", "E"})
    EXPECT_FALSE(IsBrokenNumberText(fine)) << fine;
}

#ifdef NDEBUG
constexpr int kSeeds = 8;
constexpr int kTotalSteps = 40000;
constexpr int kStretch = 300;  // steps from one point of a road
#else
constexpr int kSeeds = 8;  // the sanitizer build: shorter walks from as many points
constexpr int kTotalSteps = 12000;
constexpr int kStretch = 140;
#endif

TEST(RandomWalk, NeverShowsAFaultAndReachesEveryPage) {
  const int seeds = FromEnvironment("IC_WALK_SEEDS", kSeeds);
  const int total = FromEnvironment("IC_WALK_STEPS", kTotalSteps);
  const auto began = std::chrono::steady_clock::now();
  const std::filesystem::path scenarios = IC_SCENARIOS_DIR;
  const std::vector<std::filesystem::path> roads = {scenarios / "road_420kv.scn", scenarios / "road_123kv.scn"};
  // The stretches set out from the pages of the roads in turn, in an order
  // of their own, so that a short walk starts from as many pages as it can.
  std::vector<Start> starts = StartPoints(roads);
  Random order(0);
  for (std::size_t i = starts.size(); i > 1; --i) std::swap(starts[i - 1], starts[order.below(static_cast<int>(i))]);
  std::size_t turn = 0;
  Reach reach;
  int walked = 0;
  // One stretch of at most kStretch of LEFT's steps from START: the fault it
  // found, with where and after what, or "".
  const auto setOut = [&](const Start& start, Random& r, int seed, int& left) -> std::string {
    // A point of a road: its first steps, as a person who followed it so far.
    scenario::Script road = scenario::Load(roads[start.road].string());
    road.steps.resize(start.steps);
    std::ostringstream ignored;  // the road's own checks are the scenarios' business
    std::string bad;
    std::vector<std::string> recent;
    scenario::Run(road, ignored, [&](scenario::Session& s, const scenario::Step& step) {
      if (&step != &road.steps.back()) return;
      s.audit().TakeFaults();  // the road's own faults are the scenarios' business
      Walk walk(r, s, reach);
      bad = walk.Fault();  // the page it sets out from is one it reached
      for (int i = 0; i < kStretch && left > 0 && bad.empty() && !walk.Ended(); ++i, --left, ++walked) {
        try {
          recent.push_back(walk.Step());
          bad = walk.Fault();
        } catch (const std::exception& e) {
          bad = std::string("the program failed: ") + e.what();
        }
        if (recent.size() > 12) recent.erase(recent.begin());
      }
    });
    if (bad.empty()) return "";
    std::string trail;
    for (const auto& step : recent) trail += "\n  " + step;
    return "seed " + std::to_string(seed) + ", after " + std::to_string(walked) + " steps of the walk, from line " +
           std::to_string(road.steps.back().line) + " of " + road.steps.back().source->file + ": " + bad +
           "\nlast steps (the failing one may be missing):" + trail;
  };
  for (int seed = 1; seed <= seeds; ++seed) {
    Random r(static_cast<std::uint64_t>(seed));
    // While a point shows a page the walk has not reached, the stretch sets
    // out from it: the reach does not hang on where the chance steps led.
    for (int left = total / seeds; left > 0; left -= 1) {  // a road that ended at once still counts
      const Start* start = Unreached(starts, reach);
      if (start == nullptr) start = &starts[turn++ % starts.size()];
      if (const std::string bad = setOut(*start, r, seed, left); !bad.empty()) FAIL() << bad;
    }
  }
  // A walk too short to set out from every point's pages still does, one
  // stretch more from each point whose pages it missed.
  Random r(static_cast<std::uint64_t>(seeds) + 1);
  for (const Start* start = Unreached(starts, reach); start != nullptr; start = Unreached(starts, reach)) {
    int left = kStretch;
    if (const std::string bad = setOut(*start, r, seeds + 1, left); !bad.empty()) FAIL() << bad;
    if (start->shows.NotIn(reach) > 0)  // a program that does the same steps otherwise
      FAIL() << "step " << start->steps << " of " << roads[start->road] << " no longer shows the pages it showed";
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::cout << "reach: " << reach.mainPages.size() << " main pages, " << reach.strips.size()
            << " strip pages shown, from " << starts.size() << " points of the roads, " << reach.acted.size()
            << " controls acted on, in " << seconds << " s\n";
  RecordProperty("seconds", std::to_string(seconds));
  // Every page of the stages' strip opened, and of every strip the main window has shown, at least once.
  support::Driver d;
  d.Start();
  const std::string missed = Missed(d.main(), reach);
  EXPECT_TRUE(missed.empty()) << "the pages the walk never reached:" << missed;
}

}  // namespace
