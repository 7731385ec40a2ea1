// SPDX-License-Identifier: GPL-3.0-or-later
// The screen description model: every window of the program is constant data
// of these types, turned into a live window by the builder (builder.h).
//
// Lengths are twips (15 to the pixel at 96 dpi), relative to the client area.
// Colours are 0x00BBGGRR; 0x800000nn is entry nn of the desktop's colour scheme.
#pragma once

#include "assets/assets.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ossarion {

// Every screen the program has. The numbered ones are the main screens.
enum class ScreenId : std::uint8_t {
    Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10,
    Form11, Form12, Form13, Form14, Form15, Form16, Form17, Form18, Form19, Form20,
    Form21, Form22, Form23, Form24, Form25,
    frmAbout, frmAbout1,
};
inline constexpr int screenCount = 27;

constexpr int indexOf(ScreenId id) { return static_cast<int>(id); }
constexpr bool isMainScreen(ScreenId id) { return id <= ScreenId::Form25; }

using Colour = std::uint32_t;
namespace colour {
inline constexpr Colour screenGrey = 0x00E0E0E0;
inline constexpr Colour blue = 0x00FF0000;
inline constexpr Colour white = 0x00FFFFFF;
inline constexpr Colour red = 0x000000FF;
inline constexpr Colour green = 0x0000FF00;
inline constexpr Colour black = 0x00000000;
inline constexpr Colour grey = 0x00808080;
inline constexpr Colour lightBlue = 0x00FF8080;
inline constexpr Colour systemWindowText = 0x80000008;
// Not a colour: "leave the kind's default".
inline constexpr Colour kindDefault = 0xFFFFFFFF;
} // namespace colour

enum class Kind : std::uint8_t { Label, Button, TextBox, Picture, Line };
enum class Align : std::uint8_t { Left, Right, Centre };
enum class FontSize : std::uint8_t { Standard, Heading }; // 8.25 pt and 13.5 pt

// What a push button does when clicked. The model only names the action;
// the program's dispatcher (an ActionSink) carries it out.
enum class ActionKind : std::uint8_t { None, GoTo, MainMenu, OpenOver, Check, Reset, Close };
struct Action {
    ActionKind kind = ActionKind::None;
    ScreenId target = ScreenId::Form1;
};
constexpr Action goTo(ScreenId target) { return {ActionKind::GoTo, target}; }
constexpr Action openOver(ScreenId target) { return {ActionKind::OpenOver, target}; }
inline constexpr Action mainMenu{ActionKind::MainMenu, ScreenId::Form1};
inline constexpr Action check{ActionKind::Check, ScreenId::Form1};
inline constexpr Action reset{ActionKind::Reset, ScreenId::Form1};
inline constexpr Action closeScreen{ActionKind::Close, ScreenId::Form1};

struct ControlDesc {
    Kind kind = Kind::Label;
    std::string_view name;
    int index = -1; // member number in a control array, -1 for a single control
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool tabStop = true;
    std::string_view text; // caption of a label or button, text of a text box

    // Label
    Align align = Align::Left;
    bool autoSize = false;
    bool wordWrap = false;
    FontSize font = FontSize::Standard;
    Colour back = colour::kindDefault;
    Colour fore = colour::kindDefault;

    // Push button
    bool graphical = false;
    bool isDefault = false;
    bool isCancel = false;
    Action action{};

    // Text box
    bool multiLine = false;
    bool readOnly = false;

    // Picture box
    Asset picture = Asset::Icon;
    bool framed = true;

    // Line: end points (twips) and thickness in pixels
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int lineWidth = 1;

    // Adjusters for the few properties that differ from the common case.
    constexpr ControlDesc aligned(Align a) const { auto c = *this; c.align = a; return c; }
    constexpr ControlDesc coloured(Colour f) const { auto c = *this; c.fore = f; return c; }
    constexpr ControlDesc inFont(FontSize f) const { auto c = *this; c.font = f; return c; }
    constexpr ControlDesc wrapped() const { auto c = *this; c.wordWrap = true; return c; }
    constexpr ControlDesc noTabStop() const { auto c = *this; c.tabStop = false; return c; }
    constexpr ControlDesc withTabStop() const { auto c = *this; c.tabStop = true; return c; }
};

enum class Frame : std::uint8_t { Sizable, FixedDialog };

// What the window itself does besides showing its controls.
enum class WindowRole : std::uint8_t {
    MainScreen,      // closing asks for confirmation
    TitleScreen,     // a main screen that also centres itself whenever it is resized
    AboutScreen,     // centres itself when shown; closes without asking
};

struct ScreenDesc {
    ScreenId id;
    std::string_view name;
    std::string_view caption;
    Colour back = colour::screenGrey;
    Frame frame = Frame::Sizable;
    bool minMaxBoxes = false;
    int clientLeft = 60, clientTop = 345;
    int clientWidth = 11475, clientHeight = 7620;
    WindowRole role = WindowRole::MainScreen;
    std::span<const ControlDesc> controls;
};

// ---- Constructors for the kinds of control, in the shapes the screens use ----

// An auto-sized label on a screen's grey; width and height are those of the caption
// in the standard font.
constexpr ControlDesc label(std::string_view name, std::string_view caption, int left, int top,
                            int width, int height, int tabIndex)
{
    ControlDesc c;
    c.kind = Kind::Label;
    c.name = name;
    c.text = caption;
    c.left = left; c.top = top; c.width = width; c.height = height;
    c.tabIndex = tabIndex;
    c.autoSize = true;
    c.back = colour::screenGrey;
    return c;
}

// Every push button but the About screens' "OK" is 1215 x 495 twips.
constexpr ControlDesc button(std::string_view name, std::string_view caption, int left, int top,
                             int tabIndex, Action action)
{
    ControlDesc c;
    c.kind = Kind::Button;
    c.name = name;
    c.text = caption;
    c.left = left; c.top = top; c.width = 1215; c.height = 495;
    c.tabIndex = tabIndex;
    c.action = action;
    return c;
}

// A drawing: borderless, on the screen's grey, sized by its picture, skipped by Tab.
constexpr ControlDesc drawing(std::string_view name, Asset asset, int left, int top, int tabIndex)
{
    ControlDesc c;
    c.kind = Kind::Picture;
    c.name = name;
    c.picture = asset;
    c.left = left; c.top = top;
    c.width = assetInfo(asset).width * 15;
    c.height = assetInfo(asset).height * 15;
    c.tabIndex = tabIndex;
    c.tabStop = false;
    c.framed = false;
    c.back = colour::screenGrey;
    return c;
}

// An answer box of a test: single line, centred, empty, one line of text high.
constexpr ControlDesc answerBox(std::string_view name, int left, int top, int width, int tabIndex)
{
    ControlDesc c;
    c.kind = Kind::TextBox;
    c.name = name;
    c.left = left; c.top = top; c.width = width; c.height = 285;
    c.tabIndex = tabIndex;
    c.align = Align::Centre;
    return c;
}

// A fixed, read-only, multi-line text with centred lines.
constexpr ControlDesc fixedText(std::string_view name, std::string_view text, int left, int top,
                                int width, int height, int tabIndex)
{
    ControlDesc c;
    c.kind = Kind::TextBox;
    c.name = name;
    c.text = text;
    c.left = left; c.top = top; c.width = width; c.height = height;
    c.tabIndex = tabIndex;
    c.align = Align::Centre;
    c.multiLine = true;
    c.readOnly = true;
    return c;
}

// ---- Compile-time checks that every screen file applies to its own tables ----

namespace check_detail {
constexpr bool sameControl(const ControlDesc &a, const ControlDesc &b)
{
    return a.name == b.name && a.index == b.index;
}
} // namespace check_detail

// Names unique (name and index together), tab indices 0..n-1 without gaps over every
// control but lines, every rectangle inside the client area, every button with an action.
constexpr bool isWellFormed(const ScreenDesc &s)
{
    const auto &cs = s.controls;
    int tabbed = 0;
    for (std::size_t i = 0; i < cs.size(); ++i) {
        for (std::size_t j = i + 1; j < cs.size(); ++j)
            if (check_detail::sameControl(cs[i], cs[j]))
                return false;
        if (cs[i].kind == Kind::Line) {
            if (cs[i].tabIndex != -1)
                return false;
            continue;
        }
        ++tabbed;
        if (cs[i].left < 0 || cs[i].top < 0 || cs[i].left + cs[i].width > s.clientWidth
            || cs[i].top + cs[i].height > s.clientHeight)
            return false;
        if (cs[i].kind == Kind::Button && cs[i].action.kind == ActionKind::None)
            return false;
    }
    for (int t = 0; t < tabbed; ++t) {
        int holders = 0;
        for (const auto &c : cs)
            if (c.kind != Kind::Line && c.tabIndex == t)
                ++holders;
        if (holders != 1)
            return false;
    }
    return true;
}

} // namespace ossarion
