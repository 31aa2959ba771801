#pragma once
// The help texts of the factor pages: moving the mouse over a field caption
// puts the field's explanation into the page's help label, level with the
// caption; moving over the frame's own surface hides it. Some options show a
// short note the same way.

#include <span>
#include <utility>

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"

namespace tov {

class Stage;

// One help text: the routine that shows it, where, and how it is placed.
struct HelpText {
  const char* routine;       // procedure name, or the caption's own mouse-move
  const char* label;         // the page's help label
  int labelIndex;
  const char* anchor;        // the caption the text is placed level with
  int anchorIndex;
  const char* text;
  int raise;                 // 0 for one line; 120 for two lines straddling the caption
  int height;                // 0 leaves the label's height as it is
};

class FactorHelp {
 public:
  FactorHelp(frame::App& app, Stage& stage) : app_(app), stage_(stage) {}
  void Build(platform::Window& w);
  void Register(frame::Procedures& procedures);

  // Every help text of the five factor pages, K1 to Combination.
  static std::span<const HelpText> Texts();

  // Puts one help text into its label, placed level with its caption.
  void ShowText(const HelpText& help);

  // Notes of options.
  void ShowK2SimplifiedNote();
  void ShowK3ZeroResistanceNote();
  void ShowK4NormalCaseNote();
  void ShowK4TapChangerNote();

  // Mouse over the frames' own surface.
  void fraCalculateK1_MouseMove();
  void Frame3_MouseMove();
  void Frame4_MouseMove();
  void Frame8_MouseMove();
  void Frame10_MouseMove();
  void Frame12_MouseMove();
  void Frame16_MouseMove();
  void Frame17_MouseMove();

 private:
  void SetLabels(std::initializer_list<std::pair<const char*, int>> labels, bool visible);

  frame::App& app_;
  Stage& stage_;
};

}  // namespace tov
