// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/controls.h"

#include <QCloseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ossarion {

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
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
