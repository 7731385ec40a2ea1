// SPDX-License-Identifier: GPL-3.0-or-later
// The floor's window: the least a screen of this size can be. One window of the main
// screens' client size (765 x 508 pixels) with one push button and one label, nothing else.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace bench {

inline QWidget *makeFloorWindow()
{
    auto *window = new QWidget;
    window->setObjectName(QStringLiteral("floor"));
    window->setWindowTitle(QStringLiteral("floor"));
    window->resize(765, 508);
    auto *button = new QPushButton(QStringLiteral("Full skeleton Anterior view"), window);
    button->setGeometry(408, 272, 81, 33);
    auto *label = new QLabel(QStringLiteral("Femur or thigh bone"), window);
    label->setGeometry(20, 20, 200, 16);
    return window;
}

} // namespace bench
