// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/controls.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <vector>

namespace ossarion {

namespace {

// The style keeps every button face it draws for reuse, keyed (among other things) by the
// identity of the palette it was drawn with. Each screen instance carries palettes of its
// own, so every new screen would draw every face afresh (a rounded, smoothed outline is
// the costliest thing on a screen) and fill the cache with faces never used again. Equal
// palettes are given one shared identity here; the program has only a few.
QPalette sharedPalette(const QPalette &palette)
{
    static std::vector<QPalette> known;
    for (const QPalette &k : known)
        if (k == palette)
            return k;
    if (known.size() < 16)
        known.push_back(palette);
    return palette;
}

// A screen's window for screen readers: its own role, its controls without the lines.
class ScreenAccessible : public QAccessibleWidget {
public:
    ScreenAccessible(QWidget *window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return int(controls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> list = controls();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(controls().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> controls() const
    {
        QList<QWidget *> list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !qobject_cast<LineControl *>(w))
                list << w;
        }
        return list;
    }
};

// A line for screen readers: nothing. An interface that is not valid makes the toolkit
// pass on none of the line's events, its appearance on screen included.
class HiddenAccessible : public QAccessibleWidget {
public:
    explicit HiddenAccessible(QWidget *w) : QAccessibleWidget(w) {}
    bool isValid() const override { return false; }
};

QAccessibleInterface *screenAccessible(const QString &, QObject *object)
{
    if (auto *w = qobject_cast<LineControl *>(object))
        return new HiddenAccessible(w);
    if (auto *w = qobject_cast<ScreenWindow *>(object))
        return new ScreenAccessible(w, QAccessible::Window);
    if (auto *w = qobject_cast<DialogScreen *>(object))
        return new ScreenAccessible(w, QAccessible::Dialog);
    return nullptr;
}

} // namespace

void installScreenAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(screenAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = sharedPalette(option.palette);
    const QString caption = option.text;
    option.text.clear(); // the style draws the bevel and focus frame; the caption is ours
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

LineControl::LineControl(QColor colour, int thickness, QWidget *parent)
    : QWidget(parent), m_colour(colour), m_thickness(thickness)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Only straight horizontal and vertical lines occur: fill whole pixels, no smoothing.
    if (width() >= height())
        painter.fillRect(0, 0, width(), m_thickness, m_colour);
    else
        painter.fillRect(0, 0, m_thickness, height(), m_colour);
}

void DialogScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void DialogScreen::reject()
{
    if (m_cancel)
        m_cancel->click();
}

} // namespace ossarion
