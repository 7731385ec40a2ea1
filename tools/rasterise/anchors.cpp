// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/rasterise/anchors.h"

#include "quiz/quizzes.h"
#include "screens/builder.h"
#include "screens/screens.h"

#include <algorithm>
#include <cmath>

namespace ossarion::anchors {

namespace {

// Pixel rectangle as the screen shows it: every length goes to the nearest pixel.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }   // exclusive
    int bottom() const { return top + height; }  // exclusive
};

Box boxOf(const ControlDesc &c)
{
    return {toPixels(c.left), toPixels(c.top), toPixels(c.width), toPixels(c.height)};
}

Box unite(const Box &a, const Box &b)
{
    const int l = std::min(a.left, b.left), t = std::min(a.top, b.top);
    return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
}

bool isAnswerBox(const ControlDesc &c) { return c.kind == Kind::TextBox && !c.readOnly; }

// Labels in the heading font name a whole drawing; they are no line ends.
bool isLineLabel(const ControlDesc &c) { return c.kind == Kind::Label && c.font == FontSize::Standard; }

// Middle of the control's text line in screen pixels (continuous: a 13-pixel label at
// row 100 has its middle at 106.5, the middle of row 106): 97.5 twips below a label's
// top, 292.5 for a word-wrapped label (its second line), 142.5 for an answer box.
double textMiddle(const ControlDesc &c)
{
    const double offset = c.kind == Kind::TextBox ? 142.5 : c.wordWrap ? 292.5 : 97.5;
    return toPixels(c.top) + offset / 15.0;
}

// The hint label that follows an answer box on the same row, if any.
const ControlDesc *hintOf(const ScreenDesc &s, const ControlDesc &box)
{
    if (!isAnswerBox(box))
        return nullptr;
    const Box b = boxOf(box);
    for (const auto &c : s.controls) {
        if (!isLineLabel(c))
            continue;
        const Box l = boxOf(c);
        const int gap = l.left - b.right();
        if (gap >= -3 && gap <= besideDistance && std::abs(textMiddle(c) - textMiddle(box)) <= 3.0)
            return &c;
    }
    return nullptr;
}

// The answer box a hint label belongs to, if it is one.
const ControlDesc *boxOfHint(const ScreenDesc &s, const ControlDesc &label)
{
    for (const auto &c : s.controls)
        if (hintOf(s, c) == &label)
            return &c;
    return nullptr;
}

// Does the unit (control, with its hint) stand beside the picture, and on which side?
std::optional<Anchor> besideOf(const ScreenDesc &s, const ControlDesc &picture,
                               const ControlDesc &control, const ControlDesc *hint)
{
    const Box p = boxOf(picture);
    Box c = boxOf(control);
    if (hint)
        c = unite(c, boxOf(*hint));
    const double rowMiddle = textMiddle(control);
    const double columnMiddle = c.left + c.width / 2.0;
    const bool rowInside = rowMiddle >= p.top && rowMiddle < p.bottom();
    const bool columnInside = columnMiddle >= p.left && columnMiddle < p.right();

    // Distance from the picture's edge to the control's near edge; negative when the
    // control overlaps the edge. The control must not reach past the picture's middle.
    const int coveredColumns = std::min(c.right(), p.right()) - std::max(c.left, p.left);
    const bool columnCovered = columnInside || coveredColumns >= besideCover;
    struct Candidate { Side side; int gap; bool ok; };
    const Candidate candidates[] = {
        {Side::Right, c.left - p.right(), rowInside && c.left > p.left + p.width / 2},
        {Side::Left, p.left - c.right(), rowInside && c.right() < p.left + p.width / 2},
        {Side::Below, c.top - p.bottom(), columnCovered && c.top > p.top + p.height / 2},
        {Side::Above, p.top - c.bottom(), columnCovered && c.bottom() < p.top + p.height / 2},
    };
    const Candidate *best = nullptr;
    for (const auto &k : candidates)
        if (k.ok && k.gap <= besideDistance && k.gap >= -besideOverlap
            && (!best || std::abs(k.gap) < std::abs(best->gap)))
            best = &k;
    if (!best)
        return std::nullopt;

    Anchor a;
    a.screen = &s;
    a.picture = &picture;
    a.control = &control;
    a.hint = hint;
    a.side = best->side;
    a.gap = best->gap;
    const int w = assetInfo(picture.picture).width, h = assetInfo(picture.picture).height;
    switch (a.side) {
    case Side::Right:
    case Side::Left:
        a.along = rowMiddle - p.top;
        a.pixel = int(std::floor(a.along));
        a.x = a.side == Side::Right ? w - 1 : 0;
        a.y = a.pixel;
        break;
    case Side::Below:
    case Side::Above: {
        const int l = std::max(c.left, p.left), r = std::min(c.right(), p.right());
        a.along = (l + r) / 2.0 - p.left;
        a.pixel = int(std::floor(a.along));
        a.x = a.pixel;
        a.y = a.side == Side::Below ? h - 1 : 0;
        break;
    }
    }
    return a;
}

// Every label or answer box unit of the screen that could be a line end.
template <typename F>
void forEachUnit(const ScreenDesc &s, F &&f)
{
    for (const auto &c : s.controls) {
        if (isAnswerBox(c))
            f(c, hintOf(s, c));
        else if (isLineLabel(c) && !boxOfHint(s, c))
            f(c, nullptr);
    }
}

std::pair<std::string_view, std::string_view> splitName(std::string_view screenDotControl)
{
    const auto dot = screenDotControl.find('.');
    if (dot == std::string_view::npos)
        return {screenDotControl, {}};
    return {screenDotControl.substr(0, dot), screenDotControl.substr(dot + 1)};
}

const ScreenDesc *screenNamed(std::string_view name)
{
    for (const ScreenDesc *s : mainScreens())
        if (s->name == name)
            return s;
    return nullptr;
}

} // namespace

std::string_view sideName(Side s)
{
    switch (s) {
    case Side::Right: return "right";
    case Side::Left: return "left";
    case Side::Below: return "below";
    case Side::Above: return "above";
    }
    return "?";
}

std::string Anchor::name() const
{
    return std::string(screen->name) + "." + std::string(control->name);
}

const std::vector<const ScreenDesc *> &mainScreens()
{
    static const std::vector<const ScreenDesc *> all = [] {
        std::vector<const ScreenDesc *> v{
            &screens::form1,  &screens::form2,  &screens::form3,  &screens::form6,
            &screens::form8,  &screens::form10, &screens::form12, &screens::form14,
            &screens::form16, &screens::form17, &screens::form18, &screens::form21,
            &screens::form23, &screens::form25,
        };
        for (const auto &q : quiz::allQuizzes())
            v.push_back(&q.screen);
        std::sort(v.begin(), v.end(),
                  [](const ScreenDesc *a, const ScreenDesc *b) { return a->id < b->id; });
        return v;
    }();
    return all;
}

namespace {

bool isAcross(Side s) { return s == Side::Below || s == Side::Above; }

// Of the drawings a unit stands beside, the one it belongs to.
bool preferred(const Anchor &a, const Anchor &b)
{
    if (isAcross(a.side) != isAcross(b.side))
        return isAcross(a.side);
    return std::abs(a.gap) < std::abs(b.gap);
}

// Every line end on one screen, each unit beside at most one drawing.
std::vector<Anchor> anchorsOn(const ScreenDesc &s)
{
    std::vector<Anchor> result;
    forEachUnit(s, [&](const ControlDesc &c, const ControlDesc *hint) {
        std::optional<Anchor> best;
        for (const auto &picture : s.controls) {
            if (picture.kind != Kind::Picture)
                continue;
            if (auto a = besideOf(s, picture, c, hint); a && (!best || preferred(*a, *best)))
                best = a;
        }
        if (best)
            result.push_back(*best);
    });
    return result;
}

} // namespace

std::vector<Anchor> anchorsOf(Asset asset)
{
    std::vector<Anchor> result;
    for (const ScreenDesc *s : mainScreens()) {
        for (const auto &picture : s->controls) {
            if (picture.kind != Kind::Picture || picture.picture != asset)
                continue;
            std::vector<Anchor> here;
            for (const Anchor &a : anchorsOn(*s))
                if (a.picture == &picture)
                    here.push_back(a);
            std::stable_sort(here.begin(), here.end(), [](const Anchor &a, const Anchor &b) {
                return a.side != b.side ? a.side < b.side : a.along < b.along;
            });
            result.insert(result.end(), here.begin(), here.end());
        }
    }
    return result;
}

std::optional<Anchor> findAnchor(Asset asset, std::string_view screenDotControl)
{
    const auto [screenName, controlName] = splitName(screenDotControl);
    for (const Anchor &a : anchorsOf(asset)) {
        if (a.screen->name != screenName)
            continue;
        if (a.control->name == controlName || (a.hint && a.hint->name == controlName))
            return a;
    }
    return std::nullopt;
}

bool controlExists(std::string_view screenDotControl)
{
    const auto [screenName, controlName] = splitName(screenDotControl);
    const ScreenDesc *s = screenNamed(screenName);
    if (!s)
        return false;
    return std::any_of(s->controls.begin(), s->controls.end(),
                       [&](const ControlDesc &c) { return c.name == controlName; });
}

} // namespace ossarion::anchors
