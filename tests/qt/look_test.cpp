// How the pages look on the real widgets: etched frames, one size for the
// small labels laid into captions, the K1 typical values on their three
// lines, readable captions of disabled tabs, units level with their boxes.

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTextLayout>
#include <cmath>
#include <map>
#include <set>

#include "program_fixture.hpp"
#include "qt/colors.hpp"
#include "qt/tab_strip_widget.hpp"

namespace {

double Lightness(const QColor& c) { return c.lightnessF(); }

// The rows (top, bottom) of the pixels within `area` darker than the background's.
std::pair<int, int> InkRows(const QImage& image, QRect area) {
  const QColor background = image.pixelColor(area.topLeft());
  int top = -1, bottom = -1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (Lightness(image.pixelColor(x, y)) < Lightness(background) - 0.3) {
        if (top < 0) top = y;
        bottom = y;
      }
  return {top, bottom};
}

class LookTest : public ProgramOnQtTest {
 protected:
  void OpenFactorPages() {
    StartAndEnterUm("420");
    Click("cmdCalculateTOV");
  }
  static QImage Shot(QWidget* w) { return w->grab().toImage(); }
};

TEST_F(LookTest, FramesDrawAnEtchedBorder) {
  OpenFactorPages();
  QWidget* frame = Widget("fraK1");  // a frame without caption
  const QImage image = Shot(frame);
  // The inside just within the border, clear of the options it holds.
  const QColor inside = image.pixelColor(4, frame->height() / 2);
  // Down the left edge and along the top: a line darker than the inside, and a lighter one beside it.
  const int y = frame->height() / 2, x = frame->width() / 2;
  EXPECT_LT(Lightness(image.pixelColor(0, y)), Lightness(inside) - 0.1);
  EXPECT_LT(Lightness(image.pixelColor(x, 0)), Lightness(inside) - 0.1);
  EXPECT_GT(Lightness(image.pixelColor(1, y)), Lightness(image.pixelColor(0, y)) + 0.1);
}

TEST_F(LookTest, TheSmallLabelsInCaptionsHaveOneSizeOnEveryPage) {
  OpenFactorPages();
  // A way over the pages that shows every caption with a small label laid into it.
  const std::vector<std::pair<const char*, int>> way = {
      {"optEnterK1", -1}, {"optUrpK1", -1}, {"optCalculateK1", -1}, {"optK11", -1}, {"optK12", -1},
      {"optIgnoreK1", -1}, {"Command3", -1}, {"Option1", 0}, {"Option1", 4}, {"Option1", 1}, {"Option1", 5},
      {"Option1", 2}, {"Command2", -1}, {"Option1", 8}, {"Option1", 13}, {"Option1", 9}, {"Command10", -1},
      {"Option1", 15}, {"Option1", 20}, {"Option1", 21}, {"Option1", 16}, {"Command14", -1}, {"Option1", 24}};
  std::map<int, std::set<std::string>> sizes;  // font pixels -> the small labels of that size
  auto collect = [&] {
    for (QLabel* caption : renderer.windowWidget(Main())->findChildren<QLabel*>()) {
      if (!caption->isVisible() || !caption->text().contains("  ")) continue;
      for (QLabel* small : caption->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect line(caption->pos(), QSize(caption->width(), caption->fontMetrics().height()));
        if (small != caption && small->isVisible() && line.contains(small->geometry().topLeft()))
          sizes[QFontInfo(small->font()).pixelSize()].insert(small->objectName().toStdString());
      }
    }
  };
  for (const auto& [name, index] : way) {
    Click(name, index);
    collect();
  }
  ASSERT_FALSE(sizes.empty());
  std::string seen;
  for (const auto& [pixels, names] : sizes) seen += " " + std::to_string(pixels) + " px: " + *names.begin();
  EXPECT_EQ(sizes.size(), 1u) << seen;
}

TEST_F(LookTest, TheTypicalValuesOfK1StandOnThreeLines) {
  OpenFactorPages();
  Click("optEnterK1");
  Click("optFactorK1");
  auto* note = Widget<QLabel>("lblK1H");
  ASSERT_TRUE(note->isVisible());
  QTextLayout layout(note->text(), note->font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  std::vector<std::string> lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(note->contentsRect().width());
    lines.push_back(note->text().mid(line.textStart(), line.textLength()).trimmed().toStdString());
  }
  layout.endLayout();
  EXPECT_EQ(lines, (std::vector<std::string>{"Typical values", "For  load  rejection  in  a  system 1,05<K1<1,15.",
                                         "For load rejection on generator-transformer unit 1,1<K1<1,5"}));
}

TEST_F(LookTest, CaptionsOfDisabledTabsAreReadable) {
  OpenFactorPages();
  QTabBar* bar = Widget<qt::TabStripWidget>("tabCalculation1")->tabBar();
  ASSERT_FALSE(bar->isTabEnabled(1));
  const QImage image = Shot(bar);
  const QRect tab = bar->tabRect(1).adjusted(4, 4, -4, -4);
  // The caption's darkest stroke against the tab's own colour, taken beside the caption.
  QColor ink = image.pixelColor(tab.center());
  for (int y = tab.top(); y <= tab.bottom(); ++y)
    for (int x = tab.left(); x <= tab.right(); ++x)
      if (Lightness(image.pixelColor(x, y)) < Lightness(ink)) ink = image.pixelColor(x, y);
  const QColor background = image.pixelColor(tab.left(), tab.center().y());
  EXPECT_GE(qt::Contrast(ink, background), 3.0)
      << ink.name().toStdString() << " on " << background.name().toStdString();
}

TEST_F(LookTest, UnitsStandLevelWithTheTextOfTheirBox) {
  OpenFactorPages();
  Click("optEnterK1");
  Click("optUrpK1");
  platform.typeText(Model("txtEnterpe1"), "300");
  platform.focus(Model("txtEnterpp1"));  // no text cursor in the box
  QWidget* frame = Widget("fraEnterK1");
  const QImage image = Shot(frame);
  QWidget* box = Widget("txtEnterpe1");
  QWidget* unit = Widget("lblKV", 0);
  // "300" and "kV" have no descenders: their lowest ink row is their baseline.
  const auto [boxTop, boxBase] = InkRows(image, box->geometry().adjusted(3, 3, -3, -3));
  const auto [unitTop, unitBase] = InkRows(image, unit->geometry());
  ASSERT_GE(boxBase, 0);
  ASSERT_GE(unitBase, 0);
  EXPECT_LE(std::abs(unitBase - boxBase), 1) << "kV at row " << unitBase << ", the box's text at " << boxBase;
}

// Ka = e^(m H / 8150) on the three altitude frames: the exponent stands as a
// superscript just right of the e, not a word's width away from it.
TEST_F(LookTest, TheExponentOfKaStandsBesideItsE) {
  StartAndEnterUm("420");
  for (int first : {220, 225, 230}) {
    auto* caption = Widget<QLabel>("Label41", first);
    ASSERT_EQ(caption->text(), "K   = e");
    const double e = caption->x() + QFontMetricsF(caption->font()).horizontalAdvance(caption->text());
    const int exponent = Widget("Label41", first + 4)->x();  // "8150" under the fraction line
    EXPECT_GE(exponent - e, 0.0) << first;
    EXPECT_LE(exponent - e, 3.0) << first;
  }
}

}  // namespace
