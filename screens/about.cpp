// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout and frmAbout1: the About screen and the details screen it opens.
// Both centre themselves when shown and close with "OK", Enter or Escape.
#include "screens/screens.h"

namespace ossarion::screens {

namespace {

constexpr ControlDesc okButton(int left, int top)
{
    ControlDesc c = button("cmdOK", "OK", left, top, 0, closeScreen);
    c.width = 1260;
    c.height = 345;
    c.isDefault = true;
    c.isCancel = true;
    return c;
}

constexpr ControlDesc iconBox(int left, int top)
{
    ControlDesc c;
    c.kind = Kind::Picture;
    c.name = "picIcon";
    c.picture = Asset::Icon;
    c.left = left; c.top = top; c.width = 540; c.height = 540;
    c.tabIndex = 1;
    return c; // framed, tab stop on: the defaults of a picture box
}

// White text on the dialogs' blue.
constexpr ControlDesc blueLabel(std::string_view name, std::string_view text, int left, int top,
                                int width, int height, int tabIndex, bool autoSize)
{
    ControlDesc c = label(name, text, left, top, width, height, tabIndex);
    c.autoSize = autoSize;
    c.back = colour::blue;
    c.fore = colour::white;
    return c;
}

constexpr ControlDesc line(int index, int x2, Colour colour, int thickness)
{
    ControlDesc c;
    c.kind = Kind::Line;
    c.name = "Line1";
    c.index = index;
    c.x1 = 120; c.y1 = 2760; c.x2 = x2; c.y2 = 2760;
    c.fore = colour;
    c.lineWidth = thickness;
    return c;
}

constexpr const char aboutText[] =
    "Ossarion teaches the bones of the human skeleton with labelled drawings of the whole "
    "body and of ten of its regions, and lets you test yourself by naming the bones. It is "
    "free software from the Ossarion project: you may copy it, pass it on and change it under "
    "the GNU General Public License, version 3 or later, if every copy keeps this notice. "
    "Written in C++ with the Qt toolkit. Questions and corrections reach the Ossarion "
    "project through its public issue tracker.";

constexpr const char disclaimerText[] =
    "The Ossarion project has no control over copies that others have changed. The program "
    "comes without any warranty: you run it on your own judgement, and no support of any "
    "kind is given.";

constexpr const char detailsText[] =
    "Ossarion needs no installation. It is a single program that runs from wherever it is "
    "kept, a disk, a memory stick or a shared folder, and it writes nothing to the computer "
    "it runs on.\r\n\r\n"
    "Schools, colleges and anyone teaching or learning may use it freely and give copies to "
    "their students. It may also be used in commercial, promotional or educational work, "
    "alone or with other material, on the terms of the GNU General Public License, version 3 "
    "or later: pass it on with its source and this notice, and say what you have changed.\r\n\r\n"
    "To report a mistake in a drawing or a name, or to suggest an improvement, write to the "
    "Ossarion project through its public issue tracker and say which screen you were on.\r\n\r\n"
    "Further programs of this kind, on the muscles, the joints and the organs, may follow from "
    "the same project and will be published in the same place as this one.";

constexpr ControlDesc aboutControls[] = {
    [] {
        ControlDesc c = button("Command1", "More details", 4440, 2160, 6, openOver(ScreenId::frmAbout1));
        c.graphical = true;
        c.back = colour::lightBlue;
        return c;
    }(),
    iconBox(240, 120),
    okButton(4320, 3285),
    line(1, 5684, colour::grey, 1),
    blueLabel("lblDescription", aboutText, 240, 720, 5115, 1755, 2, false).wrapped(),
    blueLabel("lblTitle", "Ossarion", 1050, 300, 2265, 195, 4, true),
    line(0, 5669, colour::white, 2),
    blueLabel("lblVersion", "Version 2.2", 3720, 300, 795, 195, 5, true),
    [] {
        ControlDesc c = label("lblDisclaimer", disclaimerText, 255, 3045, 3870, 825, 3);
        c.autoSize = false;
        c.back = colour::red;
        c.fore = colour::black;
        return c;
    }(),
};
constexpr ScreenDesc about{
    .id = ScreenId::frmAbout,
    .name = "frmAbout",
    .caption = "About Ossarion Version 2.2 - May 03",
    .back = colour::blue,
    .frame = Frame::FixedDialog,
    .clientLeft = 45,
    .clientTop = 1935,
    .clientWidth = 5730,
    .clientHeight = 4020,
    .role = WindowRole::AboutScreen,
    .controls = aboutControls,
};
static_assert(isWellFormed(about));

constexpr ControlDesc detailsControls[] = {
    iconBox(240, 240),
    okButton(4320, 4800),
    blueLabel("lblDescription", detailsText, 1050, 165, 3885, 4530, 2, false),
};
constexpr ScreenDesc details{
    .id = ScreenId::frmAbout1,
    .name = "frmAbout1",
    .caption = "More details",
    .back = colour::blue,
    .frame = Frame::FixedDialog,
    .clientLeft = 2340,
    .clientTop = 1935,
    .clientWidth = 5730,
    .clientHeight = 5340,
    .role = WindowRole::AboutScreen,
    .controls = detailsControls,
};
static_assert(isWellFormed(details));

} // namespace

const ScreenDesc frmAbout = about;
const ScreenDesc frmAbout1 = details;

} // namespace ossarion::screens
