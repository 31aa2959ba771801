// The pages as a person sees them, measured in the program's font at the
// renderer's scale: a caption's blank run must hold the small label laid into
// it in its middle, shown captions must not run into one another or into the controls beside
// them, and a caption must fit its box. Every scenario file is replayed and the
// checks run after every step, so each page that a scenario reaches, in every
// mode and with every help text it hovers, is checked without a walk of its own,
// at the design scale and at every smaller one a window shrunk to fit its screen is drawn at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QRect>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "qt/indicator_style.hpp"
#include "qt/twips.hpp"
#include "scenario/run.hpp"
#include "scenario/session.hpp"
#include "support/driver.hpp"

namespace {

using platform::Control;
using platform::Kind;

// Pixels of the renderer at 96 dpi, in the container's coordinates.
struct Placed {
  const Control* control = nullptr;
  QFont font;
  QRect box;
  QRect text;       // where the caption is drawn, not cut to the box
  double textLeft = 0;  // where a caption of one line starts, to the fraction of a pixel its glyphs are placed at
  bool oneLine = true;
  double scale = 1.0;
};

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

std::string Name(const Control& c) { return c.window().name() + "." + c.displayName(); }

bool SamePlace(const Control& a, const Control& b) {
  return a.container() == b.container() && a.containerPage() == b.containerPage();
}

// Blank runs of two or more between words: [first blank, first character after).
std::vector<std::pair<int, int>> BlankRuns(const QString& caption) {
  std::vector<std::pair<int, int>> runs;
  for (int i = 0; i < caption.size();) {
    if (caption[i] != ' ') {
      ++i;
      continue;
    }
    int end = i;
    while (end < caption.size() && caption[end] == ' ') ++end;
    if (end - i >= 2 && i > 0 && end < caption.size()) runs.emplace_back(i, end);
    i = end;
  }
  return runs;
}

class LayoutTest : public ::testing::Test {
 protected:
  qt::Twips twips;  // the renderer's scale on a 96 dpi screen
  std::string scaleName;  // "" at the design scale

  std::string state;                            // the step the checks follow
  std::set<std::string> problems;               // each fault once, with the first state it showed in
  std::map<std::string, std::string> seenAt;    // fault -> state
  std::set<std::string> captionsWithRunsShown;  // captions checked while shown
  std::set<std::string> captionsWithRuns;       // all that the windows held
  std::unordered_set<std::string> looksChecked;  // the shown windows as the checks saw them

  void Problem(const std::string& what) {
    const std::string fault = scaleName + what;
    if (problems.insert(fault).second) seenAt[fault] = state;
  }

  // A shrunk window takes the whole pixels of the 11 pixel font that fit its
  // screen, down to the 7 the font stops at.
  void UseScale(int fontPixels) {
    twips = qt::Twips(96.0, fontPixels / 11.0);
    scaleName = fontPixels == 11 ? "" : "at " + std::to_string(fontPixels) + "/11: ";
  }

  Placed Place(const Control& c) const { return PlaceAt(c, twips, c.left()); }

  // The round button of an option as the renderer draws it at the scale AT, and the room after it.
  struct RoundButton {
    int width, height, spacing;
  };
  static RoundButton Indicator(const qt::Twips& at) {
    const QStyle* style = qt::IndicatorStyle::ForScale(at.scale());
    if (style == nullptr) style = QApplication::style();
    return {style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth),
            style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)};
  }

  // The control as the renderer draws it at the scale AT, with its left edge at
  // LEFT twips: its caption in the renderer's font, placed as Qt lays out its
  // glyphs, to the fraction of a pixel.
  static Placed PlaceAt(const Control& c, const qt::Twips& at, int left) {
    Placed p;
    p.control = &c;
    p.scale = at.scale();
    p.font = at.font(c.fontSize(), c.bold());
    p.box = at.rect(left, c.top(), c.width(), c.height());
    const QFontMetrics fm(p.font);
    const QFontMetricsF drawn(p.font);
    const QString caption = QString::fromStdString(c.caption());
    if (c.kind() == Kind::Label) {
      const bool wrap = (c.designFlags() & platform::NoWrap) == 0;
      const int align = ((c.designFlags() & platform::Centered) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
      p.text = fm.boundingRect(p.box, align | (wrap ? Qt::TextWordWrap : 0), caption);
      p.oneLine = p.text.height() < 2 * fm.lineSpacing();
      p.textLeft = p.box.left();
      // One line ends where the glyphs advance to; the layout's rectangle rounds a fraction up.
      if (p.oneLine) {
        QString line = caption;
        while (line.endsWith(' ')) line.chop(1);
        const double advance = drawn.horizontalAdvance(line);
        if ((align & Qt::AlignHCenter) != 0) p.textLeft = p.box.left() + (p.box.width() - advance) / 2;
        p.text.setLeft(static_cast<int>(std::lround(p.textLeft)));
        p.text.setRight(static_cast<int>(std::lround(p.textLeft + advance)) - 1);
      }
    } else if (c.kind() == Kind::OptionButton) {
      const RoundButton button = Indicator(at);
      p.textLeft = p.box.left() + button.width + button.spacing;
      p.text = QRect(static_cast<int>(p.textLeft), p.box.top(), fm.horizontalAdvance(caption), fm.height());
    }
    return p;
  }

  // Every shown control of the window, by container and page. Lines and shapes are drawn
  // decoration (rules, boxes around a row) that captions may sit on, so they never collide.
  std::vector<Placed> Shown(const platform::Window& w) const {
    std::vector<Placed> shown;
    for (const auto& c : w.controls())
      if (c->isShown() && c->kind() != Kind::Line && c->kind() != Kind::Shape && c->kind() != Kind::TabStrip)
        shown.push_back(Place(*c));
    return shown;
  }

  static bool IsCaption(const Placed& p) {
    return p.control->kind() == Kind::Label && !p.control->caption().empty();
  }

  // A label that starts inside the first line of a caption with blank runs is laid into it.
  static bool LaidInto(const Placed& small, const Placed& caption) {
    if (small.control == caption.control || !IsCaption(small) || !SamePlace(*small.control, *caption.control))
      return false;
    if (BlankRuns(QString::fromStdString(caption.control->caption())).empty()) return false;
    const int lineTop = caption.text.top(), lineBottom = caption.text.top() + QFontMetrics(caption.font).height();
    const bool level = small.box.top() < lineBottom && small.box.bottom() >= lineTop;
    return level && small.text.left() >= caption.text.left() && small.text.left() < caption.text.right();
  }

  void CheckSubscripts(const Placed& caption, const std::vector<Placed>& shown) {
    captionsWithRunsShown.insert(Name(*caption.control));
    for (const Placed& small : shown) {
      if (!LaidInto(small, caption)) continue;
      if (scaleName.empty() && small.control->fontSize() != platform::kSubscriptFontSize)
        Problem(Name(*small.control) + " " + Quoted(small.control->caption()) + " in " + Name(*caption.control) +
                " has the size " + std::to_string(small.control->fontSize()) + ", not the one of the small labels");
      if (!caption.oneLine) {
        Problem(Name(*small.control) + " lies in " + Name(*caption.control) + ", whose caption wraps");
        continue;
      }
      const Fit fit = InGap(small, caption);
      if (fit.centred) continue;
      // Where it would stand in the middle of its gap, in twips of its container.
      const long middle = std::lround(((fit.gapFrom + fit.gapTo - fit.width) / 2) * 15 / twips.scale());
      std::ostringstream out;
      out << Name(*small.control) << " " << Quoted(small.control->caption()) << " at [" << std::lround(fit.left)
          << ", " << std::lround(fit.left + fit.width) << "] px is not in the middle of the gap ["
          << std::lround(fit.gapFrom) << ", " << std::lround(fit.gapTo)
          << "] of " << Name(*caption.control) << " " << Quoted(caption.control->caption()) << " (middle: Left "
          << middle << "; " << LeftsAtEveryScale(small, caption) << ")";
      Problem(out.str());
    }
  }

  // A small label's text against the blank run of its caption nearest it, in pixels.
  struct Fit {
    double left = 0, width = 0;
    double gapFrom = 0, gapTo = 0;
    int run = -1;  // which blank run of the caption
    bool centred = false;  // clear of both words, and in the middle so that it belongs to neither
  };

  static Fit InGap(const Placed& small, const Placed& caption) {
    const QString text = QString::fromStdString(caption.control->caption());
    const QFontMetricsF fm(caption.font);
    Fit fit;
    fit.left = small.textLeft;
    fit.width = QFontMetricsF(small.font).horizontalAdvance(QString::fromStdString(small.control->caption()));
    double bestDistance = 1e9;
    int run = 0;
    for (const auto& [from, to] : BlankRuns(text)) {
      const double gapFrom = caption.textLeft + fm.horizontalAdvance(text.left(from));
      const double gapTo = caption.textLeft + fm.horizontalAdvance(text.left(to));
      const double distance = std::abs((gapFrom + gapTo) - (2 * fit.left + fit.width));
      if (distance < bestDistance) {
        bestDistance = distance;
        fit.gapFrom = gapFrom;
        fit.gapTo = gapTo;
        fit.run = run;
      }
      ++run;
    }
    const double leftClearance = fit.left - fit.gapFrom, rightClearance = fit.gapTo - (fit.left + fit.width);
    fit.centred = leftClearance >= 0.5 && rightClearance >= 0.5 && std::abs(leftClearance - rightClearance) <= 2;
    return fit;
  }

  // The widest span of Lefts near its own, in twips, at which the small label
  // would stand in the middle of the same gap at every scale a window is drawn at.
  static std::string LeftsAtEveryScale(const Placed& small, const Placed& caption) {
    const Control& c = *small.control;
    const int run = InGap(small, caption).run;
    int first = 0, last = -1, spanFirst = 0;
    bool inSpan = false;
    for (int left = c.left() - 300; left <= c.left() + 300; ++left) {
      bool everywhere = true;
      for (int fontPixels = 11; fontPixels >= 7 && everywhere; --fontPixels) {
        const qt::Twips at(96.0, fontPixels / 11.0);
        const Fit fit = InGap(PlaceAt(c, at, left), PlaceAt(*caption.control, at, caption.control->left()));
        everywhere = fit.centred && fit.run == run;
      }
      if (everywhere && !inSpan) spanFirst = left;
      inSpan = everywhere;
      if (everywhere && left - spanFirst > last - first) {
        first = spanFirst;
        last = left;
      }
    }
    if (last < first) return "no Left near it holds at every scale";
    return "every scale: Left " + std::to_string(first) + (first == last ? "" : " to " + std::to_string(last));
  }

  void CheckFits(const Placed& p) {
    const Control& c = *p.control;
    if (c.kind() == Kind::Label && IsCaption(p) && !p.box.contains(p.text)) {
      std::ostringstream out;
      out << Name(c) << " " << Quoted(c.caption()) << " needs " << p.text.width() << "x" << p.text.height()
          << " px, its box is " << p.box.width() << "x" << p.box.height();
      Problem(out.str());
    }
    // The round button keeps its proportion to the window: it fits the box the design gives it.
    if (c.kind() == Kind::OptionButton && Indicator(twips).width > p.box.width()) {
      std::ostringstream out;
      out << Name(c) << " draws its round button " << Indicator(twips).width << " px wide in its box of "
          << p.box.width() << " px";
      Problem(out.str());
    }
    // An option as narrow as its button shows none of its caption: a caption label stands beside it.
    const bool buttonOnly = p.text.left() >= p.box.right();
    if (c.kind() == Kind::OptionButton && !buttonOnly && p.text.right() > p.box.right()) {
      std::ostringstream out;
      out << Name(c) << " " << Quoted(c.caption()) << " runs " << p.text.right() - p.box.right()
          << " px past its box";
      Problem(out.str());
    }
  }

  void CheckOverlaps(std::size_t i, const std::vector<Placed>& shown) {
    const Placed& a = shown[i];
    for (std::size_t j = 0; j < shown.size(); ++j) {
      const Placed& b = shown[j];
      if (j == i || !SamePlace(*a.control, *b.control)) continue;
      if (LaidInto(a, b) || LaidInto(b, a)) continue;
      const Kind k = b.control->kind();
      // A caption laid wholly on a picture is part of the drawing (the headers on a table's grid).
      if (k == Kind::Image && b.box.contains(a.text & a.box)) continue;
      // Another caption: its text; any other control: its whole box (an option button: up to its text's end).
      QRect other;
      if (k == Kind::Label) {
        if (!IsCaption(b) || j < i) continue;  // each pair of captions once
        other = b.text & b.box;
      } else if (k == Kind::OptionButton) {
        other = QRect(b.box.topLeft(), QPoint(std::min(b.text.right(), b.box.right()), b.box.bottom()));
      } else {
        other = b.box;
      }
      if (!(a.text & a.box).intersects(other)) continue;
      Problem(Name(*a.control) + " " + Quoted(a.control->caption()) + " overlaps " + Name(*b.control) +
              (k == Kind::Label ? " " + Quoted(b.control->caption()) : std::string()));
    }
  }

  void CheckShownWindows(const platform::Platform& platform) {
    for (const platform::Window* w : platform.windows()) {
      if (!w->shown()) continue;
      const std::vector<Placed> shown = Shown(*w);
      for (std::size_t i = 0; i < shown.size(); ++i) {
        const Placed& p = shown[i];
        CheckFits(p);
        if (!IsCaption(p)) continue;
        if (!BlankRuns(QString::fromStdString(p.control->caption())).empty()) CheckSubscripts(p, shown);
        CheckOverlaps(i, shown);
      }
    }
  }

  // Replays every scenario file as a road, checking the shown windows after
  // every step that can change them (a check changes nothing), and notes every
  // caption with a blank run the windows hold.
  void ReplayScenarios() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(IC_SCENARIOS_DIR))
      if (entry.path().extension() == ".scn") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) {
      std::ostringstream failures;
      auto check = [&](scenario::Session& s, const scenario::Step& step) {
        if (step.words[0].starts_with("expect")) return;
        state = std::filesystem::path(step.source->file).filename().string() + ":" + std::to_string(step.line);
        for (const std::string& word : step.words) state += " " + word;
        CheckLook(s.platform());
      };
      const bool passed = scenario::RunRoad(file.string(), failures, check);
      EXPECT_TRUE(passed) << failures.str();
    }
  }

  // The checks of one state at every scale, and the captions with blank runs noted.
  void CheckLook(const platform::Platform& platform) {
    NoteCaptionsWithRuns(platform);
    // The scenarios pass the same pages again and again: each look is checked once.
    if (!looksChecked.insert(Look(platform)).second) return;
    for (int fontPixels = 11; fontPixels >= 7; --fontPixels) {
      UseScale(fontPixels);
      CheckShownWindows(platform);
    }
    UseScale(11);
  }

  // What the checks look at in the shown windows: which controls are shown,
  // where, in which font and with which caption.
  static std::string Look(const platform::Platform& platform) {
    std::ostringstream look;
    for (const platform::Window* w : platform.windows()) {
      if (!w->shown()) continue;
      for (const auto& c : w->controls())
        if (c->isShown())
          look << Name(*c) << ' ' << c->left() << ' ' << c->top() << ' ' << c->width() << ' ' << c->height() << ' '
               << c->fontSize() << c->bold() << c->caption() << '\n';
    }
    return look.str();
  }

  void NoteCaptionsWithRuns(const platform::Platform& platform) {
    for (const platform::Window* w : platform.windows())
      for (const auto& c : w->controls())
        if (c->kind() == Kind::Label && !BlankRuns(QString::fromStdString(c->caption())).empty())
          captionsWithRuns.insert(Name(*c));
  }

  std::string Report() {
    std::ostringstream report;
    report << problems.size() << " layout faults:";
    for (const std::string& p : problems) report << "\n  " << p << "   [" << seenAt[p] << "]";
    return report.str();
  }

  // A window of the given rows, shown and checked.
  void CheckWindow(std::vector<platform::ControlDesign> designs) {
    support::Driver driver;
    platform::WindowDefinition d;
    d.name = "frmTest";
    d.caption = "Test";
    d.clientWidth = 9000;
    d.clientHeight = 3000;
    d.build = [designs](platform::Window& w) { w.createAll(designs); };
    driver.platform.show(driver.platform.load(d));
    state = "the test window";
    CheckShownWindows(driver.platform);
  }
};

platform::ControlDesign Label(const char* name, int left, int top, int width, const char* caption, int fontSize = 0) {
  return {.kind = Kind::Label, .name = name, .left = left, .top = top, .width = width, .height = 255,
          .caption = caption, .fontSize = fontSize};
}

constexpr int kSmall = platform::kSubscriptFontSize;

// The checks themselves, on small windows whose faults are known, at the design scale.
TEST_F(LayoutTest, ASubscriptOnTheNextWordIsReportedWithTheLeftThatCentresIt) {
  CheckWindow({Label("Label2", 4950, 150, 1815, "Enter U    value (kV)"), Label("Label1", 5610, 210, 165, "m", kSmall)});
  ASSERT_EQ(problems.size(), 1u) << Report();
  EXPECT_NE(problems.begin()->find("frmTest.Label1 \"m\" at [374, 381] px is not in the middle of the gap [367, 379]"),
            std::string::npos)
      << Report();
  // The middle of the 7 px "m" in the 12 px gap, and the Lefts that keep it there when the window shrinks.
  EXPECT_NE(problems.begin()->find("(middle: Left 5544; every scale: Left 5528 to 5552)"), std::string::npos)
      << Report();
}

TEST_F(LayoutTest, ACentredSubscriptPassesAndOneOutsideEveryGapIsNoSubscript) {
  CheckWindow({Label("Label2", 4950, 150, 1815, "Enter U    value (kV)"), Label("Label1", 5535, 210, 165, "m", kSmall),
               // "rp" right of the caption's text is a neighbour, not a subscript: it must not touch
               Label("Label5", 240, 1000, 1200, "U     (phase)"), Label("Label7", 1440, 1000, 300, "rp", 6)});
  EXPECT_TRUE(problems.empty()) << Report();
}

// The "m" stands in the middle of its gap, but in the window's font.
TEST_F(LayoutTest, ASmallLabelOfAnotherSizeIsReported) {
  CheckWindow({Label("Label2", 4950, 150, 1815, "Enter U    value (kV)"), Label("Label1", 5520, 210, 165, "m")});
  EXPECT_EQ(problems, std::set<std::string>{"frmTest.Label1 \"m\" in frmTest.Label2 has the size 0, not the one of "
                                            "the small labels"});
}

TEST_F(LayoutTest, OverlappingCaptionsAndCutCaptionsAreReported) {
  CheckWindow({Label("Label3", 240, 150, 1500, "Short circuit power"),
               Label("Label4", 1200, 200, 1500, "of the system"),
               Label("Label6", 240, 1000, 600, "Reactance of zero sequence system")});
  ASSERT_EQ(problems.size(), 2u) << Report();
  EXPECT_EQ(*problems.begin(), "frmTest.Label3 \"Short circuit power\" overlaps frmTest.Label4 \"of the system\"");
  EXPECT_NE(std::next(problems.begin())->find("frmTest.Label6 \"Reactance of zero sequence system\" needs"),
            std::string::npos)
      << Report();
}

// A caption on a picture is part of the drawing when it lies wholly on it; one that sticks out collides.
TEST_F(LayoutTest, ACaptionWhollyOnAPictureIsPartOfTheDrawing) {
  CheckWindow({{.kind = Kind::Image, .name = "Image7", .left = 0, .top = 0, .width = 6000, .height = 1500,
                .caption = "results_range2"},
               Label("Label74", 240, 240, 1500, "Internal"), Label("Label75", 5700, 600, 1500, "External")});
  EXPECT_EQ(problems, std::set<std::string>{"frmTest.Label75 \"External\" overlaps frmTest.Image7"}) << Report();
}

// Every state that the scenarios reach passes, and every caption with a blank
// run was among those checked while shown.
TEST_F(LayoutTest, CaptionsSubscriptsAndNeighboursStayApartOnEveryPage) {
  ReplayScenarios();
  EXPECT_TRUE(problems.empty()) << Report();
  std::vector<std::string> unseen;
  std::set_difference(captionsWithRuns.begin(), captionsWithRuns.end(), captionsWithRunsShown.begin(),
                      captionsWithRunsShown.end(), std::back_inserter(unseen));
  std::string list;
  for (const std::string& name : unseen) list += " " + name;
  EXPECT_TRUE(unseen.empty()) << "never shown:" << list;
}

}  // namespace

