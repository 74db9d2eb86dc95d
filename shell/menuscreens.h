// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/controls.h"
#include "shell/runtime.h"

#include <QRect>
#include <array>

namespace kolomaf {

// The six decorative pictures of the two choice screens: a click on the one
// showing hides it and shows the next of the cycle.
class PictureCycle
{
public:
    static constexpr std::array<const char *, 6> names
        = {"imgchinees", "imgkleur", "imgkleur2", "imgkleur3", "imgmeisje", "imgwit"};
    PictureCycle(QWidget *screen, QRect twips);
    Picture *at(int i) const { return m_pictures[i]; }

private:
    void advance(int from);
    std::array<Picture *, 6> m_pictures {};
};

// The first choice screen and the menu share one design: a brown-red panel
// of buttons that each open a screen, the picture cycle, the score line and
// the small logo.
class MenuScreen : public Screen
{
    Q_OBJECT
public:
    struct Design
    {
        const char *name;
        const char *caption;
        int width, height; // client size, twips
        QRect panel, pictures, label1, total; // twips
        QPoint logo;
    };
    Shape *Shape1;
    Label *Label1;
    Label *lblgemaakt;
    PictureCycle pictures;
    Picture *Image2;

protected:
    MenuScreen(Runtime &rt, const Design &design);
    // A caption button that opens a screen; inert where that screen is not
    // part of this build.
    PictureButton *route(const char *name, const QString &text, QRect twips, const char *target);
    void openAndHide(const char *target);
    // Buttons over the panel, the score line over both.
    void stackOverPanel(std::initializer_list<QWidget *> buttons);
    void load() override;
    void activate() override;
};

class ChoiceScreen : public MenuScreen
{
    Q_OBJECT
public:
    explicit ChoiceScreen(Runtime &rt);
    PictureButton *Command1;
    PictureButton *Command2;
    PictureButton *Command3;
    PictureButton *cmdkies;
    PictureButton *cmdeinde;

protected:
    void closeRequested() override;

private:
    void cmdeinde_Click();
};

class ColumnMenuScreen : public MenuScreen
{
    Q_OBJECT
    Q_PROPERTY(qint16 z MEMBER z)
public:
    explicit ColumnMenuScreen(Runtime &rt);
    qint16 z = 0;
    PictureButton *Command2;
    PictureButton *Command3;
    PictureButton *Command4;
    PictureButton *cmdkwartier;
    PictureButton *Command5;
    PictureButton *cmdeinde;

protected:
    void load() override;
    void closeRequested() override;
};

} // namespace kolomaf
