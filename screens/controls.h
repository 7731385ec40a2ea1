// SPDX-License-Identifier: GPL-3.0-or-later
// The few widgets the builder needs that the toolkit does not offer as they are.
#pragma once

#include <QColor>
#include <QDialog>
#include <QPushButton>
#include <QWidget>

namespace ossarion {

// The window of a main screen. To screen readers it is a frame, as a main window is,
// and both it and a dialog screen list every control but their lines.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// Makes screen readers see the screens' windows as said above; once, before the first
// window is built.
void installScreenAccessibility();

// A push button whose caption breaks onto further lines when it is wider than the button.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override;
};

// A straight line painted in its own rectangle; its thickness grows downwards. It means
// nothing without sight and is not among its window's controls for screen readers.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QColor colour, int thickness, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_colour;
    int m_thickness;
};

// A small fixed window whose Enter presses its default button and whose Escape presses
// its cancel button (rather than hiding the window behind the program's back).
class DialogScreen : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    void setCancelButton(QPushButton *button) { m_cancel = button; }

    void reject() override;

protected:
    // A close request from the window system just closes; it does not go through reject().
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *m_cancel = nullptr;
};

} // namespace ossarion
