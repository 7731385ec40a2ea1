// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/confirmation.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace ossarion {

FinishedQuestion::FinishedQuestion(QWidget *parent)
    : QMessageBox(QMessageBox::NoIcon, QStringLiteral("Finished?"), QStringLiteral("Are you sure?"),
                  QMessageBox::Yes | QMessageBox::No, parent,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FinishedQuestion"));
    setDefaultButton(QMessageBox::Yes);
    setWindowModality(Qt::ApplicationModal);
}

void FinishedQuestion::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // swallowed: only Yes or No answers
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void FinishedQuestion::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

bool askFinished(QWidget *screen)
{
    FinishedQuestion question(screen);
    return question.exec() == QMessageBox::Yes;
}

} // namespace ossarion
