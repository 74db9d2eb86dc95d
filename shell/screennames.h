// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every screen's name, the one place it is written: the runtime makes and
// finds screens by it, and it is the screen's object name.
namespace kolomaf::screens {

inline constexpr char mainWindow[] = "MDIForm2";
inline constexpr char welcome[] = "frmmecenaat1";
inline constexpr char choice[] = "frmkiesbasis";
inline constexpr char columnMenu[] = "frmbasis";
inline constexpr char closing[] = "frminfo";

inline constexpr char noBorrowing[] = "Kolomaf1000zb";
inline constexpr char borrowTen[] = "CIFERMBE";
inline constexpr char borrowHundred[] = "CIFERMBT";
inline constexpr char borrowThousand[] = "CIFERMBH";

inline constexpr char drillTen[] = "frmbrugdraadminMBE";
inline constexpr char drillHundred[] = "frmbrugdraadminMBT";
inline constexpr char drillThousand[] = "frmbrugdraadminMBH";

inline constexpr char writing[] = "frmcijferschrijf";

inline constexpr char placeValue[] = "frmtestmin";
inline constexpr char sums[] = "frmtest2min";
inline constexpr char differences[] = "frmtest3min";

} // namespace kolomaf::screens
