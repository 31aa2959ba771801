#pragma once
// What tells the two calculation strips of the slow-front page apart:
// SSTab1(0) for Range I and SSTab1(1) for Range II have the same two tabs and
// the same procedures, each on its own controls. Range II also has the
// external insulation frame on its phase-to-phase tab, which gives the
// external phase-to-phase Urp; Range I publishes its one phase-to-phase Urp
// for both kinds of insulation.

#include "surge/slots.hpp"

namespace surge {

// A caption row: the caption, its subscript and the text or unit beside the box.
struct SlowFrontCaptionRow {
  const char* captionName;
  int caption;
  int subscript;  // Label41
  const char* asideName;
  int aside;
};

struct SlowFrontRange {
  int strip;  // SSTab1(strip)

  // Phase to earth (tab 0): Option1 unit choices, Text1 boxes, Command21 buttons.
  int optionKv, optionPu;
  int ue2, uet, urpPe, upsPe;
  int ok, backPe, nextPe;
  const char* peFrame;
  // Label41 captions of the unit options, with their subscripts.
  int kvCaption, kvSubscript, puCaption, puSubscript;
  SlowFrontCaptionRow ue2Row, uetRow, urpPeRow;
  int peRule;  // Label30(peRule), its subscripts the next three

  // Phase to phase (tab 1).
  int optionReenergization, optionEnergization;
  int up2, upt, urpPp, upsPp;
  int backPp, nextPp;
  const char* caseFrame;
  const char* resultFrame;  // shown by a switching case
  SlowFrontCaptionRow up2Row, uptRow, urpPpRow;
  int ppRule;

  bool external;  // Range II: the external insulation frame (Frame26) and its Urp
};

inline constexpr SlowFrontRange kRange1{
    .strip = 0,
    .optionKv = 64, .optionPu = 65,
    .ue2 = Ue2PeRange1, .uet = UetPeRange1, .urpPe = UrpSfPeRange1, .upsPe = UpsCopySfPeRange1,
    .ok = 8, .backPe = 4, .nextPe = 5,
    .peFrame = "Frame22",
    .kvCaption = 149, .kvSubscript = 147, .puCaption = 148, .puSubscript = 146,
    .ue2Row = {"Label41", 2, 3, "Label41", 4},
    .uetRow = {"Label41", 5, 6, "Label7", 3},
    .urpPeRow = {"Label8", 2, 7, "Label41", 0},
    .peRule = 6,
    .optionReenergization = 29, .optionEnergization = 30,
    .up2 = Up2Range1, .upt = UptRange1, .urpPp = UrpSfPpRange1, .upsPp = UpsCopySfPpRange1,
    .backPp = 6, .nextPp = 7,
    .caseFrame = "Frame33", .resultFrame = "Frame23",
    .up2Row = {"Label41", 8, 9, "Label41", 10},
    .uptRow = {"Label41", 11, 12, "Label13", 12},
    .urpPpRow = {"Label41", 13, 14, "Label41", 15},
    .ppRule = 10,
    .external = false,
};

inline constexpr SlowFrontRange kRange2{
    .strip = 1,
    .optionKv = 63, .optionPu = 62,
    .ue2 = Ue2PeRange2, .uet = UetPeRange2, .urpPe = UrpSfPeRange2, .upsPe = UpsCopySfPeRange2,
    .ok = 13, .backPe = 11, .nextPe = 12,
    .peFrame = "Frame27",
    .kvCaption = 127, .kvSubscript = 126, .puCaption = 145, .puSubscript = 139,
    .ue2Row = {"Label41", 21, 20, "Label41", 18},
    .uetRow = {"Label41", 22, 19, "Label7", 5},
    .urpPeRow = {"Label8", 4, 16, "Label41", 17},
    .peRule = 2,
    .optionReenergization = 31, .optionEnergization = 32,
    .up2 = Up2Range2, .upt = UptRange2, .urpPp = UrpSfPpIntRange2, .upsPp = UpsCopySfPpRange2,
    .backPp = 15, .nextPp = 16,
    .caseFrame = "Frame32", .resultFrame = "Frame25",
    .up2Row = {"Label41", 23, 24, "Label41", 25},
    .uptRow = {"Label41", 26, 27, "Label13", 13},
    .urpPpRow = {"Label41", 28, 29, "Label41", 30},
    .ppRule = 14,
    .external = true,
};

}  // namespace surge
