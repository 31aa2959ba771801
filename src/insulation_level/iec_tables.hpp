#pragma once
// The standard insulation levels and minimum air clearances as the standard
// lists them, one array per column; a row of a table is the same index in
// every column of that table. The rows are flat (one row per combination the
// standard lists) and keep the standard's order, because every search takes
// the first row that fits: the order decides the results.
//
// A clearance of 0 mm in the conductor-structure column of the lightning
// table stands for no value: the standard gives that clearance only from
// 850 kV on.

#include <array>
#include <cstddef>

namespace insulation_level {

inline constexpr std::size_t kRange1Rows = 29, kRange2Rows = 26, kA1Rows = 25, kA2Rows = 8, kA3Rows = 11;

// Standard insulation levels for Um up to 245 kV (kV): Um, rated short-duration
// power-frequency and rated lightning impulse withstand voltage.
inline constexpr std::array<double, kRange1Rows> gRange1Um{
    36.0 / 10, 36.0 / 10, 72.0 / 10, 72.0 / 10, 12,  12,  12,  175.0 / 10, 175.0 / 10, 24,
    24,        24,        36,        36,        52,  725.0 / 10, 123, 123, 145, 145,
    145,       170,       170,       170,       245, 245, 245, 245, 245};
inline constexpr std::array<double, kRange1Rows> gRange1Sdw{
    10, 10, 20, 20, 28, 28, 28, 38, 38, 50, 50, 50, 70, 70, 95,
    140, 185, 230, 185, 230, 275, 230, 275, 325, 275, 325, 360, 395, 460};
inline constexpr std::array<double, kRange1Rows> gRange1Liw{
    20, 40, 40, 60, 60, 75, 95, 75, 95, 95, 125, 145, 145, 170, 250,
    325, 450, 550, 450, 550, 650, 550, 650, 750, 650, 750, 850, 950, 1050};

// Standard insulation levels for Um above 245 kV (kV): Um, rated switching
// impulse withstand voltage phase to earth and phase to phase, rated lightning
// impulse withstand voltage. Each switching level of a Um stands twice, once
// per lightning level.
inline constexpr std::array<double, kRange2Rows> gRange2Um{
    300, 300, 300, 300, 362, 362, 362, 362, 420, 420, 420, 420, 420,
    420, 525, 525, 525, 525, 525, 525, 765, 765, 765, 765, 765, 765};
inline constexpr std::array<double, kRange2Rows> gRange2SiwPe{
    750, 750, 850, 850, 850, 850, 950, 950, 850, 850, 950, 950, 1050,
    1050, 950, 950, 1050, 1050, 1175, 1175, 1300, 1300, 1425, 1425, 1550, 1550};
inline constexpr std::array<double, kRange2Rows> gRange2SiwPp{
    1125, 1125, 1275, 1275, 1275, 1275, 1425, 1425, 1360, 1360, 1425, 1425, 1575,
    1575, 1615, 1615, 1680, 1680, 1763, 1763, 2210, 2210, 2423, 2423, 2480, 2480};
inline constexpr std::array<double, kRange2Rows> gRange2Liw{
    850, 950, 950, 1050, 950, 1050, 1050, 1175, 1050, 1175, 1175, 1300, 1300,
    1425, 1175, 1300, 1300, 1425, 1425, 1550, 1675, 1800, 1800, 1950, 1950, 2100};

// Lightning impulse withstand voltage (kV) and minimum air clearance (mm).
inline constexpr std::array<double, kA1Rows> gA1Liw{
    20, 40, 60, 75, 95, 125, 145, 170, 250, 325, 450, 550, 650,
    750, 850, 950, 1050, 1175, 1300, 1425, 1550, 1675, 1800, 1950, 2100};
inline constexpr std::array<double, kA1Rows> gA1RodStructure{
    60, 60, 90, 120, 160, 220, 270, 320, 480, 630, 900, 1100, 1300,
    1500, 1700, 1900, 2100, 2350, 2600, 2850, 3100, 3350, 3600, 3900, 4200};
inline constexpr std::array<double, kA1Rows> gA1ConductorStructure{
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 1600, 1700, 1900, 2200, 2400, 2600, 2900, 3100, 3300, 3600, 3900};

// Switching impulse withstand voltage phase to earth (kV) and minimum
// phase-to-earth air clearance (mm).
inline constexpr std::array<double, kA2Rows> gA2SiwPe{750, 850, 950, 1050, 1175, 1300, 1425, 1550};
inline constexpr std::array<double, kA2Rows> gA2ConductorStructure{1600, 1800, 2200, 2600, 3100, 3600, 4200, 4900};
inline constexpr std::array<double, kA2Rows> gA2RodStructure{1900, 2400, 2900, 3400, 4100, 4800, 5600, 6400};

// Switching impulse withstand voltages (kV) and minimum phase-to-phase air
// clearance (mm), in the standard's order by the phase-to-earth level, in
// which the phase-to-phase level is not ascending.
inline constexpr std::array<double, kA3Rows> gA3SiwPe{750, 850, 850, 950, 950, 1050, 1050, 1175, 1300, 1425, 1550};
inline constexpr std::array<double, kA3Rows> gA3SiwPp{1125, 1275, 1360, 1425, 1615, 1575, 1680, 1763, 2210, 2423, 2480};
inline constexpr std::array<double, kA3Rows> gA3ConductorConductor{2300, 2600, 2900, 3100, 3700, 3600,
                                                                   3900, 4200, 6100, 7200, 7600};
inline constexpr std::array<double, kA3Rows> gA3RodConductor{2600, 3100, 3400, 3600, 4300, 4200,
                                                             4600, 5000, 7400, 9000, 9400};

}  // namespace insulation_level
