// SPDX-License-Identifier: GPL-3.0-or-later
// "Are you sure?" - the question asked before the program ends.
#pragma once

#include <QMessageBox>

namespace ossarion {

// A Yes/No box that only Yes or No can answer: Escape and the window's close request
// are refused (a plain message box would take them for No).
class FinishedQuestion : public QMessageBox {
    Q_OBJECT
public:
    explicit FinishedQuestion(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

// Asks modally, over the given screen; true when the answer is Yes.
bool askFinished(QWidget *screen);

} // namespace ossarion
