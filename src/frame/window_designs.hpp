#pragma once
// The design tables of the frame's windows: what each window holds when it
// is loaded, before any procedure has run.

#include <span>

#include "platform/design.hpp"

namespace frame {

// Sizes of the client areas, in twips.
inline constexpr int kStartWindowWidth = 14115, kStartWindowHeight = 11010;
inline constexpr int kMainWindowWidth = 14445, kMainWindowHeight = 11010;
inline constexpr int kTableWindowWidth = 9390, kTableWindowHeight = 6870;

inline constexpr const char* kWindowCaption = "Insulation Co-ordination";
// The version the start window and the results page credit.
inline constexpr const char* kVersionCredit = "Version 1.0";

// Form1: title, rules, picture, credits and "START".
std::span<const platform::ControlDesign> StartWindowDesign();

// Table: the picture of the factor A, stretched over the window.
std::span<const platform::ControlDesign> TableWindowDesign();

// frmVarno, the Um entry at the top and the whole tree of tab strips with the
// frame's own controls on the standard-insulation-level and results pages.
std::span<const platform::ControlDesign> MainWindowTopAreaDesign();
std::span<const platform::ControlDesign> MainWindowPageTreeDesign();

}  // namespace frame
