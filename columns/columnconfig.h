// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exercise.h"
#include "shell/palette.h"
#include "shell/screennames.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>

namespace kolomaf {

// Columns from right to left.
enum Column { E = 0, T = 1, H = 2, D = 3 };

// What stands in the same place on every column screen; twips, like all
// geometry here.
struct ColumnGeometry
{
    int cell; // a digit, an answer cell and a plus label are squares this wide
    int headerTop; // lblreeksE .. lblreeksD
    QSize header;
    int plusTop; // the plus labels, and the hidden results behind them
    int firstRow, secondRow; // the digits of the two numbers
    QSize minus; // Label1
    int barY, barWidth; // Line2, under the second number
    int answerTop; // the answer cells
    int columnLineTop, columnLineBottom, columnLineWidth; // Line1
    int bridgeTop;
    QSize bridge; // imgbrugeen, imgbrugtien, imgbrughonderd
    int arrowTop;
    QSize arrow; // imgpijl
    QSize scoreBox; // Txtoef1
    QSize button; // the picture buttons
    QSize logo; // Image2
    int eyeTop;
    QSize closedEye, openEye; // imgoog1, imgoog2
    // The borrowing screens' aids.
    int strokeInset, strokeWidth; // lneE .. lneD, corner to corner over a digit
    QRect hint; // lblbrug
    QRect warning; // imgbrugstop
    QRect drillFrame; // shpaklas
    int drillFrameWidth;
    QRect drillButton; // cmdaklas
};

inline constexpr ColumnGeometry columnGeometry {
    .cell = 735,
    .headerTop = 240,
    .header = {735, 615},
    .plusTop = 960,
    .firstRow = 2520,
    .secondRow = 3480,
    .minus = {735, 615},
    .barY = 4320,
    .barWidth = 2,
    .answerTop = 4440,
    .columnLineTop = 1320,
    .columnLineBottom = 5400,
    .columnLineWidth = 3,
    .bridgeTop = 2040,
    .bridge = {960, 450},
    .arrowTop = 2880,
    .arrow = {450, 990},
    .scoreBox = {1575, 360},
    .button = {1215, 855},
    .logo = {480, 420},
    .eyeTop = 120,
    .closedEye = {3525, 2880},
    .openEye = {3480, 2880},
    .strokeInset = 60,
    .strokeWidth = 5,
    .hint = {4320, 1920, 1095, 495},
    .warning = {4440, 960, 900, 780},
    .drillFrame = {120, 6240, 1695, 1095},
    .drillFrameWidth = 4,
    .drillButton = {360, 6360, 1215, 855},
};

// Where the controls stand: one layout for the screen without borrowing and
// one shared by the three borrowing screens.
struct ColumnLayout
{
    std::array<int, 4> columnLeft; // E, T, H, D
    std::array<int, 4> lineX; // the column lines at the left of E, T, H, D
    int minusLeft, minusTop; // Label1
    int barFrom, barTo; // Line2
    std::array<int, 3> bridgeLeft; // imgbrugeen, imgbrugtien, imgbrughonderd
    QRect verdict; // lblprima
    QRect record; // txtcontrole
    int scoreTop;
    std::array<int, 5> scoreLeft; // Txtoef1(b) stands at scoreLeft[b % 5]
    int startLeft, startTop; // cmdnieuw; cmdstop at the same height
    int lightLeft, lightTop; // the traffic lights and cmdstop2
    int eyeLeft;
    int arrowLeft; // imgpijl
    QRect grid; // shpcijfer
    QRect buttonPanel; // Shape1
    QColor buttonPanelColour;
    int logoLeft, logoTop; // Image2
    QRect help; // lblhelp
    QColor helpColour;
    const char *helpCaption;
};

inline constexpr ColumnLayout plainLayout {
    .columnLeft = {8160, 7200, 6240, 5280},
    .lineX = {8040, 7080, 6120, 5160},
    .minusLeft = 4320,
    .minusTop = 3600,
    .barFrom = 4320,
    .barTo = 9480,
    .bridgeLeft = {7680, 6600, 5520},
    .verdict = {0, 3000, 3495, 615},
    .record = {0, 3720, 3495, 855},
    .scoreTop = 6720,
    .scoreLeft = {240, 2040, 3720, 5400, 7200},
    .startLeft = 1800,
    .startTop = 4920,
    .lightLeft = 360,
    .lightTop = 4920,
    .eyeLeft = 0,
    .arrowLeft = 9000,
    .grid = {3600, 120, 6135, 6015},
    .buttonPanel = {120, 4680, 3255, 1335},
    .buttonPanelColour = palette::lightGrey,
    .logoLeft = 9240,
    .logoTop = 6600,
    .help = {3600, 5520, 6135, 495},
    .helpColour = palette::green,
    .helpCaption = "",
};

inline constexpr ColumnLayout borrowingLayout {
    .columnLeft = {8520, 7560, 6600, 5640},
    .lineX = {8400, 7440, 6480, 5520},
    .minusLeft = 4320,
    .minusTop = 3960,
    .barFrom = 5160,
    .barTo = 9840,
    .bridgeLeft = {8040, 6960, 5880},
    .verdict = {120, 3000, 3495, 615},
    .record = {120, 3720, 3495, 855},
    .scoreTop = 7200,
    .scoreLeft = {1800, 3480, 5160, 6840, 8520},
    .startLeft = 1920,
    .startTop = 5040,
    .lightLeft = 360,
    .lightTop = 5040,
    .eyeLeft = 120,
    .arrowLeft = 9360,
    .grid = {3960, 120, 6135, 6135},
    .buttonPanel = {120, 4800, 3495, 1335},
    .buttonPanelColour = palette::midGreen,
    .logoLeft = 9600,
    .logoTop = 6720,
    .help = {4080, 5760, 5895, 375},
    .helpColour = palette::orange,
    .helpCaption = "Fout antwoord,klik op het rode vakje en verbeter.",
};

// How the four column screens differ.
struct ColumnConfig
{
    const char *name;
    const char *caption;
    int clientWidth, clientHeight;
    const ColumnLayout *layout;
    Kind kind;
    // The column that borrows a ten from the one to its left; -1 for none.
    int borrowingColumn;
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
    constexpr int lendingColumn() const { return borrowing() ? borrowingColumn + 1 : -1; }
};

inline constexpr std::array<ColumnConfig, 4> columnConfigs {{
    {
        .name = screens::noBorrowing,
        .caption = "Cijferend aftrekken zonder ontlenen",
        .clientWidth = 9885,
        .clientHeight = 7365,
        .layout = &plainLayout,
        .kind = Kind::NoBorrowing,
        .borrowingColumn = -1,
        .thousandsCellAtDesign = false,
        .thousandsDigit = false,
        .unitsPlus = false,
        .bridge = -1,
        .strokes = {-1, -1},
        .hint = nullptr,
        .stopLeft = 1800,
        .orangeInFront = true,
        .startPrompt = " eenheden aftrekken",
        .unitsDone = " tientallen aftrekken",
        .tensDone = " honderdtallen aftrekken",
        .clickHidesPlus = {T, H, H, -1},
        .paleHeadersOnWrongHundreds = false,
        .drill = nullptr,
    },
    {
        .name = screens::borrowTen,
        .caption = "Cijferen met ontlenen van tiental",
        .clientWidth = 10230,
        .clientHeight = 7635,
        .layout = &borrowingLayout,
        .kind = Kind::BorrowTen,
        .borrowingColumn = E,
        .thousandsCellAtDesign = true,
        .thousandsDigit = false,
        .unitsPlus = true,
        .bridge = 0,
        .strokes = {E, T},
        .hint = "E te weinig, leen een T",
        .stopLeft = 360,
        .orangeInFront = false,
        .startPrompt = " klik op T om te lenen",
        .unitsDone = " tientallen aftrekken.",
        .tensDone = " honderdtallen aftrekken.",
        .clickHidesPlus = {-1, -1, H, D},
        .paleHeadersOnWrongHundreds = false,
        .drill = screens::drillTen,
    },
    {
        .name = screens::borrowHundred,
        .caption = "T te weinig, leen een H",
        .clientWidth = 10230,
        .clientHeight = 7635,
        .layout = &borrowingLayout,
        .kind = Kind::BorrowHundred,
        .borrowingColumn = T,
        .thousandsCellAtDesign = false,
        .thousandsDigit = false,
        .unitsPlus = false,
        .bridge = 1,
        .strokes = {T, H},
        .hint = "T te weinig, leen een H",
        .stopLeft = 840,
        .orangeInFront = false,
        .startPrompt = " eenheden aftrekken.",
        .unitsDone = " tientallen aftrekken, klik op H om te lenen.",
        .tensDone = " honderdtallen aftrekken",
        .clickHidesPlus = {-1, -1, -1, -1},
        .paleHeadersOnWrongHundreds = true,
        .drill = screens::drillHundred,
    },
    {
        .name = screens::borrowThousand,
        .caption = "Cijferen met ontlenen van duizendtal",
        .clientWidth = 10230,
        .clientHeight = 7635,
        .layout = &borrowingLayout,
        .kind = Kind::BorrowThousand,
        .borrowingColumn = H,
        .thousandsCellAtDesign = true,
        .thousandsDigit = true,
        .unitsPlus = false,
        .bridge = 2,
        .strokes = {H, D},
        .hint = "H te weinig, leen een D",
        .stopLeft = 360,
        .orangeInFront = false,
        .startPrompt = " eenheden aftrekken",
        .unitsDone = " tientallen aftrekken",
        .tensDone = " honderdtallen aftrekken, klik D om te lenen",
        .clickHidesPlus = {T, -1, -1, -1},
        .paleHeadersOnWrongHundreds = false,
        .drill = screens::drillThousand,
    },
}};

} // namespace kolomaf
