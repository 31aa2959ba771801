// A seeded random walk over the whole program: a person who clicks, types,
// presses Enter, moves the focus and the mouse and answers input boxes at
// random. The program must never crash, and no control may ever show a
// number text of a value that is not finite.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "program/program.hpp"
#include "platform/scripted_services.hpp"

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

class Walk {
 public:
  explicit Walk(std::uint64_t seed) : r_(seed) { StartProcess(); }

  void StartProcess() {
    prog_.reset();
    h_ = std::make_unique<HeadlessPlatform>();
    h_->platform.setObserver(&watcher_);
    prog_ = std::make_unique<program::Program>(h_->platform);
    prog_->Main();
  }

  // One thing a person does. Returns a description for the failure report.
  std::string Step() {
    Platform& p = h_->platform;
    if (p.exited() || p.windows().empty()) {
      StartProcess();
      return "start";
    }
    if (h_->dialogs.pendingAnswers() < 2 && r_.chance(10)) {
      if (r_.chance(20)) h_->dialogs.queueCancel();
      else h_->dialogs.queueAnswer(RandomText(r_));
    }
    if (r_.chance(1)) {
      h_->printer.failNext = r_.chance(50);
    }
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
    for (int tries = 0; tries < 3 && (c->kind() == Kind::Label || (LeadsBack(*c) && r_.chance(75))); ++tries)
      c = r_.pick(usable);
    const std::string who = c->window().name() + "." + c->displayName();
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

  // The first text or caption that held a not-finite number, or "".
  const std::string& NotFiniteShown() const { return watcher_.found; }
  HeadlessPlatform& headless() { return *h_; }

 private:
  // Looks at every text and caption as the program writes it, so a value that
  // is not finite is caught even when a later step would overwrite it.
  struct Watcher : Observer {
    std::string found;
    void look(const Control& c) {
      if (!found.empty()) return;
      if (c.kind() == Kind::TextBox) {
        if (HoldsNotFinite(c.text())) found = c.displayName() + " text " + c.text();
      } else if (c.kind() != Kind::Image && CaptionHoldsNotFinite(c.caption())) {
        found = c.displayName() + " caption " + c.caption();
      }
      for (int i = 0; found.empty() && i < c.tabCount(); ++i)
        if (CaptionHoldsNotFinite(c.tabCaption(i))) found = c.displayName() + " page caption " + c.tabCaption(i);
    }
    void controlCreated(Control& c) override { look(c); }
    void controlChanged(Control& c, Property p) override {
      if (p == Property::Text || p == Property::Caption || p == Property::TabCaption) look(c);
    }
    void windowCaptionChanged(Window& w) override {
      if (found.empty() && CaptionHoldsNotFinite(w.caption())) found = w.name() + " caption " + w.caption();
    }
  };

  Random r_;
  Watcher watcher_;
  std::unique_ptr<HeadlessPlatform> h_;
  std::unique_ptr<program::Program> prog_;
};

TEST(RandomWalk, SeesNumberTextsOfNotFiniteValuesButNotWords) {
  EXPECT_TRUE(HoldsNotFinite("-INF"));
  EXPECT_TRUE(HoldsNotFinite("1,#QNaN"));
  EXPECT_TRUE(CaptionHoldsNotFinite("Urp = inf kV"));
  EXPECT_TRUE(CaptionHoldsNotFinite("NAN"));
  EXPECT_FALSE(CaptionHoldsNotFinite("Resonance effects K4"));
  EXPECT_FALSE(CaptionHoldsNotFinite("Information"));
  Walk walk(1);
  EXPECT_EQ(walk.NotFiniteShown(), "");
  walk.headless().platform.window("Form1")->get("Label2").setCaption("K = NaN");
  EXPECT_EQ(walk.NotFiniteShown(), "Label2 caption K = NaN");
}

#ifdef NDEBUG
constexpr int kSeeds = 4;
#else
constexpr int kSeeds = 8;  // the sanitizer build: shorter walks, the same total
#endif
constexpr int kTotalSteps = 20000;

TEST(RandomWalk, NeverShowsANumberThatIsNotFinite) {
  const auto began = std::chrono::steady_clock::now();
  for (int seed = 1; seed <= kSeeds; ++seed) {
    Walk walk(static_cast<std::uint64_t>(seed));
    std::vector<std::string> recent;
    for (int i = 0; i < kTotalSteps / kSeeds; ++i) {
      std::string bad;
      try {
        recent.push_back(walk.Step());
        bad = walk.NotFiniteShown();
      } catch (const std::exception& e) {
        bad = std::string("the program failed: ") + e.what();
      }
      if (recent.size() > 12) recent.erase(recent.begin());
      if (!bad.empty()) {
        std::string trail;
        for (const auto& s : recent) trail += "\n  " + s;
        FAIL() << "seed " << seed << ", step " << i << ": " << bad << "\nlast steps (the failing one may be missing):"
               << trail;
      }
    }
  }
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  RecordProperty("seconds", std::to_string(seconds));
}

}  // namespace
