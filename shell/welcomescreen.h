// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/controls.h"
#include "shell/runtime.h"

#include <array>

namespace kolomaf {

class WelcomeScreen : public Screen
{
    Q_OBJECT
public:
    explicit WelcomeScreen(Runtime &rt);
    Panel *Frame1_1;
    Shape *Shape3;
    Label *Label11;
    PictureButton *cmdkombinnen;
    std::array<Picture *, 4> Image1 {};
    Label *lblpartner2;
    Label *Label4;
    Label *Label5;

protected:
    void load() override;
    void activate() override;
    void closeRequested() override;

private:
    void buildPanel();
    void buildDecorations();
    void buildCredits();
};

} // namespace kolomaf
