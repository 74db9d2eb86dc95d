// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/controls.h"
#include "shell/runtime.h"
#include "shell/screennames.h"

#include <QPointer>
#include <array>

namespace kolomaf {

// How the three drill screens differ.
struct BridgeConfig
{
    const char *name;
    const char *opener; // the borrowing screen that opens it
    const char *stopName; // its STOP button
    int stopTop; // in twips
    const char *focusCell; // the opener's answer cell of the practised column
    bool wizardIcon;
};

inline constexpr std::array<BridgeConfig, 3> bridgeConfigs {{
    {
        .name = screens::drillTen,
        .opener = screens::borrowTen,
        .stopName = "cmdstopMBE",
        .stopTop = 6240,
        .focusCell = "txteenheden",
        .wizardIcon = true,
    },
    {
        .name = screens::drillHundred,
        .opener = screens::borrowHundred,
        .stopName = "cmdstopMBT",
        .stopTop = 6240,
        .focusCell = "txttientallen",
        .wizardIcon = false,
    },
    {
        .name = screens::drillThousand,
        .opener = screens::borrowThousand,
        .stopName = "cmdstopMBH",
        .stopTop = 6360,
        .focusCell = "txthonderdtallen",
        .wizardIcon = false,
    },
}};

// The bridge-over-ten drill: a number from 11 to 18 minus a digit, worked
// out in two hops over ten on a string of 21 beads.
class BridgeDrillScreen : public Screen
{
    Q_OBJECT
    Q_PROPERTY(qint16 mult1 MEMBER mult1)
    Q_PROPERTY(qint16 multrest MEMBER multrest)

public:
    static constexpr int beads = 21;

    BridgeDrillScreen(Runtime &rt, const BridgeConfig &config);
    const BridgeConfig &config() const { return m_config; }

    // Shows the drill for the opener's borrowing column. The opener has set
    // its own startgetal, rest, multrest and verdertien, and this drill's
    // mult1 and multrest; the drill reads startgetal and verdertien back.
    void openFrom(Screen *opener, int bottomDigit);

    qint16 mult1 = 0, multrest = 0;

    Shape *shpband, *shpformule, *shpgras;
    Label *lblmult1, *lblplus, *lblmult2, *lblgelijk, *lblgetal1b, *lblplus2, *lblgetal2b, *lblplus3,
        *lblgetal2c, *lblgelijk2, *lbluitkomst;
    Line *Line1;
    std::array<Shape *, beads> Shpdraad {};
    std::array<Label *, beads> lblgetal {};
    std::array<Shape *, 3> Shppaal {};
    std::array<Picture *, beads> imghum {};
    PictureButton *cmdnaar10, *cmdverder, *cmdstop;
    Picture *imghonden;

protected:
    void load() override;
    void activate() override;
    void closeRequested() override;

private:
    void buildBackground();
    void buildFormula();
    void buildString();
    void buildButtons();
    void setStackingOrder();
    void connectHandlers();

    void reset();
    void markBead(int i);
    void showBird(int i);
    void cmdnaar10_Click();
    void cmdverder_Click();
    void cmdstop_Click();
    Screen *opener();

    const BridgeConfig &m_config;
    QPointer<Screen> m_opener;
};

void registerBridgeScreens(Runtime &rt);

} // namespace kolomaf
