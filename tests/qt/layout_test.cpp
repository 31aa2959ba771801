// The pages as a person sees them, measured in the program's font at the
// renderer's scale: a caption's blank run must hold the small label laid into
// it in its middle, shown captions must not run into one another or into the controls beside
// them, and a caption must fit its box. The program is walked through the
// start window, the Um entry and every mode of the temporary-overvoltage pages
// (with their help texts hovered), and the checks run after every step.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QRect>
#include <QStyle>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "program/program.hpp"
#include "platform/scripted_services.hpp"
#include "qt/program_font.hpp"
#include "qt/twips.hpp"

namespace {

using platform::Control;
using platform::Kind;

// The walk: one action a line, the same words as the scenario files use.
// "check" only marks a state worth naming; every step is checked.
constexpr const char* kWalk = R"(
check start window
click Form1.Command1
check before Um
type txtUm 420
click cmdOKUm
answer 242,49
answer 420
click cmdEnterTOV
click cmdCalculateTOV
check K1
click optEnterK1
click optFactorK1
click optUrpK1
click optCalculateK1
click optK11
hover lblQL1
hover lblPL1(2)
hover lblSSC1
click optK12
hover lblXd1
hover Label73
hover lblSG1
hover lblSTr1
hover lblCos1
type txtXd1 0,2
type txtUk1 0,1
type txtSG1 100
type txtSTr1 100
type txtCos1 0,8
click cmdCalculateOK1
click Command3
check K2
click Option1(0)
click Option1(3)
click Option1(4)
click Option1(1)
hover Option1(6)
hover Option1(5)
click Option1(6)
click Option1(5)
hover Label33(0)
hover Label33(1)
hover Label33(2)
hover Label33(4)
hover Label33(6)
hover Label33(8)
hover Label33(10)
hover Label33(12)
hover Label33(14)
hover Label33(16)
type Text1(4) 50
type Text1(5) 100
type Text1(6) 0,00001
type Text1(7) 400
focus Text1(9)
type Text1(9) 1256
type Text1(10) 12,56
type Text1(11) 12,56
type Text1(12) 500
type Text1(13) 0,00001
click Command8
click Command6
click Command2
check K3
click Option1(7)
click Option1(10)
click Option1(11)
hover Option1(8)
click Option1(8)
click Option1(13)
click Option1(12)
hover Label33(18)
hover Label33(20)
type Text1(20) 30
type Text1(21) 10
click Command12
click Command10
check K4
click Option1(14)
click Option1(17)
click Option1(18)
click Option1(15)
click Option1(20)
click Option1(19)
hover Option1(21)
hover Option1(22)
click Option1(21)
hover Label33(22)
hover Label33(24)
hover Label33(26)
type Text1(26) 20
type Text1(27) 100
type Text1(28) 10
type Text1(31) 2
click Command16
click Command14
check combination
click Option1(23)
click Option1(26)
click Option1(27)
click Option1(24)
hover Label33(36)
hover Label33(37)
type Text1(34) 30
type Text1(35) 10
click Command17
click Command18
check TOV results
click Command21(1)
check arrester
type Text1(45) 300
type Text1(44) 999
type Text1(46) 950
type Text1(47) 906
type Text1(48) 740
click Command21(3)
check slow front
answer 300
answer 500
answer 310
answer 600
click Command25(0)
check slow front summary
click Command25(1)
check slow front strip
click Label41(145)
click Label41(126)
type Text1(68) 750
check Range II phase to earth before OK
click Command21(13)
check Range II phase to earth after OK
click Label41(139)
type Text1(68) 2,2
click Command21(13)
click Command21(12)
check Range II phase to phase opened
click Option1(31)
check Range II re-energization
type Text1(72) 6
type Text1(73) 12
click Command21(14)
check Range II re-energization external after OK
click Option1(32)
check Range II energization
type Text1(72) 6
type Text1(73) 12
click Command21(14)
check Range II energization external after OK
click Command21(16)
check slow front summary after Range II
click Command21(9)
click Command21(2)
click Command21(0)
type txtUm 123
click cmdOKUm
answer 78
answer 135
click cmdEnterTOV
click Command21(1)
type Text1(45) 74,564
type Text1(44) 96
type Text1(46) 330
type Text1(47) 290
type Text1(48) 220
click Command21(3)
click Command25(1)
check Range I phase to earth
click Label41(148)
click Label41(147)
type Text1(51) 245
check Range I phase to earth before OK
click Command21(8)
check Range I phase to earth after OK
click Command21(5)
check Range I phase to phase opened
click Option1(29)
check Range I re-energization
click Option1(30)
check Range I energization
click Command21(7)
check slow front summary after Range I
)";

// Pixels of the renderer at 96 dpi, in the container's coordinates.
struct Placed {
  const Control* control = nullptr;
  QFont font;
  QRect box;
  QRect text;       // where the caption is drawn, not cut to the box
  bool oneLine = true;
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
  platform::HeadlessPlatform headless;
  program::Program program{headless.platform};
  qt::Twips twips;  // the renderer's scale on a 96 dpi screen

  std::string state = "start window";
  std::set<std::string> problems;               // each fault once, with the first state it showed in
  std::map<std::string, std::string> seenAt;    // fault -> state
  std::set<std::string> captionsWithRunsShown;  // captions checked while shown

  platform::Platform& P() { return headless.platform; }

  Control& Find(const std::string& word) {
    std::string windowName = "frmVarno";
    std::string name = word;
    if (const auto dot = word.find('.'); dot != std::string::npos) {
      windowName = word.substr(0, dot);
      name = word.substr(dot + 1);
    }
    int index = platform::kNoIndex;
    if (const auto paren = name.find('('); paren != std::string::npos) {
      index = std::atoi(name.c_str() + paren + 1);
      name = name.substr(0, paren);
    }
    platform::Window* w = P().window(windowName);
    if (w == nullptr) throw std::runtime_error("no window " + windowName);
    Control* c = w->find(name, index);
    if (c == nullptr) throw std::runtime_error("no control " + word);
    return *c;
  }

  void Step(const std::string& line) {
    std::istringstream in(line);
    std::string verb, target;
    in >> verb;
    std::getline(in >> std::ws, target);
    if (verb == "check") {
      state = target;
      return;
    }
    state = line;
    if (verb == "answer") {
      headless.dialogs.queueAnswer(target);
      return;
    }
    const auto blank = target.find(' ');
    const std::string name = target.substr(0, blank);
    if (verb == "click") P().click(Find(name));
    if (verb == "hover") P().mouseMove(Find(name));
    if (verb == "focus") P().focus(Find(name));
    if (verb == "type") P().typeText(Find(name), target.substr(blank + 1));
  }

  void Problem(const std::string& what) {
    if (problems.insert(what).second) seenAt[what] = state;
  }

  Placed Place(const Control& c) const {
    Placed p;
    p.control = &c;
    p.font = qt::ProgramFont(c.fontSize(), c.bold());
    p.box = twips.rect(c.left(), c.top(), c.width(), c.height());
    const QFontMetrics fm(p.font);
    const QString caption = QString::fromStdString(c.caption());
    if (c.kind() == Kind::Label) {
      const bool wrap = (c.designFlags() & platform::NoWrap) == 0;
      const int align = ((c.designFlags() & platform::Centered) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
      p.text = fm.boundingRect(p.box, align | (wrap ? Qt::TextWordWrap : 0), caption);
      p.oneLine = p.text.height() < 2 * fm.lineSpacing();
      // One line ends where the glyphs advance to; the layout's rectangle rounds a fraction up.
      if (p.oneLine) {
        QString drawn = caption;
        while (drawn.endsWith(' ')) drawn.chop(1);
        const int advance = fm.horizontalAdvance(drawn);
        if ((align & Qt::AlignHCenter) != 0) p.text.setLeft(p.box.left() + (p.box.width() - advance) / 2);
        p.text.setWidth(advance);
      }
    } else if (c.kind() == Kind::OptionButton) {
      const QStyle* style = QApplication::style();
      const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                            style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      p.text = QRect(p.box.left() + indicator, p.box.top(), fm.horizontalAdvance(caption), fm.height());
    }
    return p;
  }

  // Every shown control of the window, by container and page.
  std::vector<Placed> Shown(const platform::Window& w) const {
    std::vector<Placed> shown;
    for (const auto& c : w.controls())
      if (c->isShown() && c->kind() != Kind::Line && c->kind() != Kind::TabStrip) shown.push_back(Place(*c));
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
    const QString text = QString::fromStdString(caption.control->caption());
    const auto runs = BlankRuns(text);
    captionsWithRunsShown.insert(Name(*caption.control));
    const QFontMetrics fm(caption.font);
    for (const Placed& small : shown) {
      if (!LaidInto(small, caption)) continue;
      if (!caption.oneLine) {
        Problem(Name(*small.control) + " lies in " + Name(*caption.control) + ", whose caption wraps");
        continue;
      }
      // The run whose gap is nearest the small label's text.
      const QString smallText = QString::fromStdString(small.control->caption());
      const int smallWidth = QFontMetrics(small.font).horizontalAdvance(smallText);
      const int smallLeft = small.text.left(), smallRight = smallLeft + smallWidth;
      int bestFrom = 0, bestTo = 0, bestDistance = 1 << 30;
      for (const auto& [from, to] : runs) {
        const int gapFrom = caption.text.left() + fm.horizontalAdvance(text.left(from));
        const int gapTo = caption.text.left() + fm.horizontalAdvance(text.left(to));
        const int distance = std::abs((gapFrom + gapTo) - (smallLeft + smallRight));
        if (distance < bestDistance) {
          bestDistance = distance;
          bestFrom = gapFrom;
          bestTo = gapTo;
        }
      }
      // Clear of both words, and in the middle so that it belongs to neither.
      const int leftClearance = smallLeft - bestFrom, rightClearance = bestTo - smallRight;
      if (leftClearance >= 1 && rightClearance >= 1 && std::abs(leftClearance - rightClearance) <= 2) continue;
      // Where it would stand in the middle of its gap, in twips of its container.
      const int middle = ((bestFrom + bestTo - smallWidth) / 2) * 15;
      std::ostringstream out;
      out << Name(*small.control) << " " << Quoted(small.control->caption()) << " at [" << smallLeft << ", "
          << smallRight << "] px is not in the middle of the gap [" << bestFrom << ", " << bestTo << "] of "
          << Name(*caption.control) << " " << Quoted(caption.control->caption()) << " (middle: Left "
          << middle << ")";
      Problem(out.str());
    }
  }

  void CheckFits(const Placed& p) {
    const Control& c = *p.control;
    if (c.kind() == Kind::Label && IsCaption(p) && !p.box.contains(p.text)) {
      std::ostringstream out;
      out << Name(c) << " " << Quoted(c.caption()) << " needs " << p.text.width() << "x" << p.text.height()
          << " px, its box is " << p.box.width() << "x" << p.box.height();
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

  void CheckShownWindows() {
    for (const platform::Window* w : P().windows()) {
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

  // Starts the program and walks it, checking the shown windows in every state.
  void Walk(const std::function<void()>& afterEachStep = [] {}) {
    program.Main();
    CheckShownWindows();
    afterEachStep();
    std::istringstream walk(kWalk);
    for (std::string line; std::getline(walk, line);) {
      if (line.empty()) continue;
      Step(line);
      CheckShownWindows();
      afterEachStep();
    }
    EXPECT_EQ(headless.dialogs.unansweredInputs, 0);
  }

  std::string Report() {
    std::ostringstream report;
    report << problems.size() << " layout faults:";
    for (const std::string& p : problems) report << "\n  " << p << "   [" << seenAt[p] << "]";
    return report.str();
  }

  // A window of the given rows, shown and checked.
  void CheckWindow(std::vector<platform::ControlDesign> designs) {
    platform::WindowDefinition d;
    d.name = "frmTest";
    d.caption = "Test";
    d.clientWidth = 9000;
    d.clientHeight = 3000;
    d.build = [designs](platform::Window& w) { w.createAll(designs); };
    P().show(P().load(d));
    CheckShownWindows();
  }
};

platform::ControlDesign Label(const char* name, int left, int top, int width, const char* caption, int fontSize = 0) {
  return {.kind = Kind::Label, .name = name, .left = left, .top = top, .width = width, .height = 255,
          .caption = caption, .fontSize = fontSize};
}

// The checks themselves, on small windows whose faults are known.
TEST_F(LayoutTest, ASubscriptOnTheNextWordIsReportedWithTheLeftThatCentresIt) {
  CheckWindow({Label("Label2", 4950, 150, 1815, "Enter U    value (kV)"), Label("Label1", 5610, 210, 165, "m")});
  ASSERT_EQ(problems.size(), 1u) << Report();
  EXPECT_NE(problems.begin()->find("frmTest.Label1 \"m\" at [374, 383] px is not in the middle of the gap [367, 379]"),
            std::string::npos)
      << Report();
  EXPECT_NE(problems.begin()->find("(middle: Left 5520)"), std::string::npos) << Report();
}

TEST_F(LayoutTest, ACentredSubscriptPassesAndOneOutsideEveryGapIsNoSubscript) {
  CheckWindow({Label("Label2", 4950, 150, 1815, "Enter U    value (kV)"), Label("Label1", 5520, 210, 165, "m"),
               // "rp" right of the caption's text is a neighbour, not a subscript: it must not touch
               Label("Label5", 240, 1000, 1200, "U     (phase)"), Label("Label7", 1440, 1000, 300, "rp", 6)});
  EXPECT_TRUE(problems.empty()) << Report();
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

TEST_F(LayoutTest, CaptionsSubscriptsAndNeighboursStayApartOnEveryPage) {
  Walk();
  EXPECT_TRUE(problems.empty()) << Report();
}

// Every caption with a blank run that the windows hold was seen shown by the walk.
TEST_F(LayoutTest, TheWalkShowsEveryCaptionWithABlankRun) {
  std::set<std::string> withRuns;
  Walk([&] {
    for (const platform::Window* w : P().windows())
      for (const auto& c : w->controls())
        if (c->kind() == Kind::Label && !BlankRuns(QString::fromStdString(c->caption())).empty())
          withRuns.insert(Name(*c));
  });
  std::vector<std::string> unseen;
  std::set_difference(withRuns.begin(), withRuns.end(), captionsWithRunsShown.begin(), captionsWithRunsShown.end(),
                      std::back_inserter(unseen));
  std::string list;
  for (const std::string& name : unseen) list += " " + name;
  EXPECT_TRUE(unseen.empty()) << "never shown:" << list;
}

}  // namespace

