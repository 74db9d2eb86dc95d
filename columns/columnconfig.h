#pragma once

#include "shell/screennames.h"

#include "core/exercise.h"

#include <array>

namespace kolomaf {

struct Rect
{
    int left, top, width, height;
};
struct Rgb
{
    int r, g, b;
};

// Columns from right to left.
enum Column { E = 0, T = 1, H = 2, D = 3 };

// Where the controls stand: one layout for the screen without borrowing and
// one shared by the three borrowing screens.
struct ColumnLayout
{
    std::array<int, 4> columnLeft; // E, T, H, D
    std::array<int, 4> lineX; // column lines at the left of E, T, H, D
    int minusLeft, minusTop;
    int barFrom, barTo;
    std::array<int, 3> bridgeLeft; // imgbrugeen, imgbrugtien, imgbrughonderd
    int verdictLeft; // lblprima and txtcontrole
    int scoreTop;
    std::array<int, 5> scoreLeft;
    int startLeft, startTop; // cmdnieuw
    int lightLeft, lightTop; // the traffic lights and cmdstop2
    int eyeLeft;
    int arrowLeft;
    Rect grid; // shpcijfer
    Rect buttonPanel; // Shape1
    Rgb buttonPanelColour;
    int logoLeft, logoTop;
    Rect help;
    Rgb helpColour;
    const char *helpCaption;
};

inline constexpr ColumnLayout plainLayout {{8160, 7200, 6240, 5280}, {8040, 7080, 6120, 5160}, 4320, 3600,
    4320, 9480, {7680, 6600, 5520}, 0, 6720, {240, 2040, 3720, 5400, 7200}, 1800, 4920, 360, 4920, 0, 9000,
    {3600, 120, 6135, 6015}, {120, 4680, 3255, 1335}, {224, 224, 224}, 9240, 6600, {3600, 5520, 6135, 495},
    {0, 255, 0}, ""};

inline constexpr ColumnLayout borrowingLayout {{8520, 7560, 6600, 5640}, {8400, 7440, 6480, 5520}, 4320, 3960,
    5160, 9840, {8040, 6960, 5880}, 120, 7200, {1800, 3480, 5160, 6840, 8520}, 1920, 5040, 360, 5040, 120,
    9360, {3960, 120, 6135, 6135}, {120, 4800, 3495, 1335}, {0, 192, 0}, 9600, 6720, {4080, 5760, 5895, 375},
    {255, 128, 0}, "Fout antwoord,klik op het rode vakje en verbeter."};

// How the four column screens differ.
struct ColumnConfig
{
    const char *name;
    const char *caption;
    int clientWidth, clientHeight;
    const ColumnLayout *layout;
    Kind kind;
    bool thousandsCellAtDesign;
    bool thousandsDigit; // the first number has a D digit, lblgetal(11)
    bool unitsPlus; // lbleenheid above E
    int bridge; // the bridge picture of a new exercise; -1 for none
    std::array<int, 2> strokes; // columns with a crossing-out stroke; -1 for none
    const char *hint; // lblbrug
    int stopLeft; // cmdstop
    bool orangeInFront; // cmdoranje in front of the other lights
    // Instruction line after START, after the units and after the tens.
    const char *startPrompt;
    const char *unitsDone;
    const char *tensDone;
    // The plus label (T, H or D; -1 for none) a click on the E, T, H, D cell hides.
    std::array<int, 4> clickHidesPlus;
    bool paleHeadersOnWrongHundreds;
    const char *drill; // the bridge drill "A klas" opens; null for none

    constexpr bool borrowing() const { return kind != Kind::NoBorrowing; }
};

inline constexpr std::array<ColumnConfig, 4> columnConfigs {{
    {screens::noBorrowing, "Cijferend aftrekken zonder ontlenen", 9885, 7365, &plainLayout, Kind::NoBorrowing,
        false, false, false, -1, {-1, -1}, nullptr, 1800, true, " eenheden aftrekken",
        " tientallen aftrekken", " honderdtallen aftrekken", {T, H, H, -1}, false, nullptr},
    {screens::borrowTen, "Cijferen met ontlenen van tiental", 10230, 7635, &borrowingLayout, Kind::BorrowTen, true,
        false, true, 0, {E, T}, "E te weinig, leen een T", 360, false, " klik op T om te lenen",
        " tientallen aftrekken.", " honderdtallen aftrekken.", {-1, -1, H, D}, false, screens::drillTen},
    {screens::borrowHundred, "T te weinig, leen een H", 10230, 7635, &borrowingLayout, Kind::BorrowHundred, false, false,
        false, 1, {T, H}, "T te weinig, leen een H", 840, false, " eenheden aftrekken.",
        " tientallen aftrekken, klik op H om te lenen.", " honderdtallen aftrekken", {-1, -1, -1, -1}, true,
        screens::drillHundred},
    {screens::borrowThousand, "Cijferen met ontlenen van duizendtal", 10230, 7635, &borrowingLayout, Kind::BorrowThousand,
        true, true, false, 2, {H, D}, "H te weinig, leen een D", 360, false, " eenheden aftrekken",
        " tientallen aftrekken", " honderdtallen aftrekken, klik D om te lenen", {T, -1, -1, -1}, false,
        screens::drillThousand},
}};

} // namespace kolomaf
