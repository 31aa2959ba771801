#include "frame/routing/inline_actions.hpp"

#include <initializer_list>

#include "platform/window.hpp"

namespace program {

namespace {

using platform::Control;
using platform::kNoIndex;
using platform::Window;

void SetVisible(Window& w, const char* name, int index, bool visible) {
  if (Control* c = w.find(name, index)) c->setVisible(visible);
}

void Clear(Window& w, int slot) {
  if (Control* c = w.find("Text1", slot)) c->setText("");
}

void HideFormulaStrip(Window& w) { SetVisible(w, "SSTab1", 2, false); }

// The K2 results area back to empty and hidden. Clearing the two result boxes
// runs their routed checks, which disable "Next >>".
void ResetK2Results(Window& w) {
  SetVisible(w, "Label1", 3, false);
  SetVisible(w, "Label1", 4, false);
  SetVisible(w, "Label20", kNoIndex, false);
  for (int i : {2, 3, 4, 5}) SetVisible(w, "Label13", i, false);
  SetVisible(w, "Label22", kNoIndex, false);
  Clear(w, 15);
  Clear(w, 14);
  SetVisible(w, "Text1", 15, false);
  SetVisible(w, "Text1", 14, false);
  SetVisible(w, "Command6", kNoIndex, false);
  SetVisible(w, "Label24", kNoIndex, false);
  SetVisible(w, "Label25", kNoIndex, false);
  Clear(w, 17);
  Clear(w, 16);
  SetVisible(w, "Text1", 17, false);
  SetVisible(w, "Text1", 16, false);
  SetVisible(w, "Command7", kNoIndex, false);
  SetVisible(w, "Label45", kNoIndex, false);
  SetVisible(w, "Label26", kNoIndex, false);
}

// "Enter" of the K2 page: the choice between factor and Urp comes up; the
// typed line data and the formula mode stay as they are.
void K2EnterMode(Window& w) {
  SetVisible(w, "Frame2", kNoIndex, true);
  SetVisible(w, "Frame4", kNoIndex, false);
  SetVisible(w, "Frame5", kNoIndex, false);
  SetVisible(w, "Frame3", kNoIndex, false);
  ResetK2Results(w);
  for (int i = 3; i <= 6; ++i)
    if (Control* c = w.find("Option1", i)) c->setValue(false);
  if (Control* next = w.find("Command2")) next->setEnabled(false);
}

void ShowK2FrequencyHelp(Window& w) {
  Control* help = w.find("Label23", 0);
  Control* caption = w.find("Label33", 0);
  if (help == nullptr || caption == nullptr) return;
  help->setVisible(true);
  help->setCaption("Power frequency");
  help->setTop(caption->top());
  help->setGeometry(help->left(), help->top(), help->width(), 255);
}

void HideFastFrontHelp(Window& w) {
  for (int i = 0; i <= 7; ++i) SetVisible(w, "Label85", i, false);
}

}  // namespace

void RunInlineAction(frame::App& app, InlineAction action) {
  Window* w = app.platform.window("frmVarno");
  if (w == nullptr) return;
  switch (action) {
    case InlineAction::None: break;
    case InlineAction::HideFormulaStrip: HideFormulaStrip(*w); break;
    case InlineAction::K2EnterMode: K2EnterMode(*w); break;
    case InlineAction::ShowK2FrequencyHelp: ShowK2FrequencyHelp(*w); break;
    case InlineAction::HideFastFrontHelp: HideFastFrontHelp(*w); break;
  }
}

}  // namespace program
