// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/answers.h"

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace ossarion {

namespace {

const QColor acceptedColour(0, 255, 0);
const QColor rejectedColour(255, 0, 0);
const QColor clearedColour(255, 255, 255);

QLatin1StringView latin1(std::string_view s)
{
    return QLatin1StringView(s.data(), qsizetype(s.size()));
}

QLineEdit *answerBox(QWidget *screen, std::string_view name)
{
    return screen->findChild<QLineEdit *>(latin1(name), Qt::FindDirectChildrenOnly);
}

void paint(QLineEdit *box, const QColor &colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

// The verdict in words too, for whoever cannot tell red from green or cannot see the box.
void describe(QLineEdit *box, const QString &verdict)
{
    box->setAccessibleDescription(verdict);
}

} // namespace

bool isAccepted(const QString &typed, const AnswerKey &key)
{
    const QString lowered = typed.toLower();
    return lowered == latin1(key.first) || (!key.second.empty() && lowered == latin1(key.second));
}

void checkAnswers(QWidget *screen, std::span<const AnswerKey> keys)
{
    for (const AnswerKey &key : keys) {
        QLineEdit *box = answerBox(screen, key.box);
        const bool accepted = isAccepted(box->text(), key);
        paint(box, accepted ? acceptedColour : rejectedColour);
        describe(box, accepted ? QStringLiteral("correct") : QStringLiteral("not correct"));
    }
}

void resetAnswers(QWidget *screen, std::span<const AnswerKey> keys)
{
    for (const AnswerKey &key : keys) {
        QLineEdit *box = answerBox(screen, key.box);
        box->setText(QString());
        paint(box, clearedColour);
        describe(box, QString());
    }
}

} // namespace ossarion
