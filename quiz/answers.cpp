// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/answers.h"

#include "screens/builder.h"

#include <QAccessible>
#include <QColor>
#include <QList>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
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

// The screen's Check button, found by its action rather than by its caption.
QPushButton *checkButton(QWidget *screen)
{
    const ScreenDesc *desc = descriptionOf(screen);
    if (!desc)
        return nullptr;
    for (const ControlDesc &c : desc->controls)
        if (c.kind == Kind::Button && c.action.kind == ActionKind::Check)
            return screen->findChild<QPushButton *>(latin1(c.name), Qt::FindDirectChildrenOnly);
    return nullptr;
}

void paint(QLineEdit *box, const QColor &colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

// The verdict in words too, for whoever cannot tell red from green or cannot see the box.
// A box that keeps its verdict tells nothing new.
void describe(QLineEdit *box, const QString &verdict)
{
    if (box->accessibleDescription() != verdict)
        box->setAccessibleDescription(verdict);
}

// A screen reader speaks a change of the focused control's description. The focus stays
// on Check, so the count goes there; the toolkit tells only of a change, so a Check that
// gives the same count again tells of it itself, and the count is heard on every press.
void announce(QWidget *control, const QString &text)
{
    if (!control)
        return;
    if (control->accessibleDescription() != text) {
        control->setAccessibleDescription(text);
        return;
    }
    if (text.isEmpty())
        return;
    QAccessibleEvent event(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace

bool isAccepted(const QString &typed, const AnswerKey &key)
{
    const QString lowered = typed.toLower();
    return lowered == latin1(key.first) || (!key.second.empty() && lowered == latin1(key.second));
}

void nameAnswerBoxes(QWidget *screen, std::span<const AnswerKey> keys)
{
    int number = 0;
    for (const AnswerKey &key : keys)
        if (QLineEdit *box = answerBox(screen, key.box))
            box->setAccessibleName(QStringLiteral("Answer %1 of %2, %3")
                                       .arg(++number).arg(keys.size()).arg(latin1(key.where)));
}

QString verdictSummary(std::span<const bool> accepted)
{
    QStringList wrong;
    for (std::size_t k = 0; k < accepted.size(); ++k)
        if (!accepted[k])
            wrong << QString::number(k + 1);
    QString summary = QStringLiteral("%1 of %2 correct").arg(qsizetype(accepted.size()) - wrong.size()).arg(accepted.size());
    if (!wrong.isEmpty())
        summary += QStringLiteral("; wrong: ") + wrong.join(QStringLiteral(", "));
    return summary;
}

void checkAnswers(QWidget *screen, std::span<const AnswerKey> keys)
{
    QList<bool> verdicts; // contiguous, unlike std::vector<bool>
    verdicts.reserve(qsizetype(keys.size()));
    for (const AnswerKey &key : keys) {
        QLineEdit *box = answerBox(screen, key.box);
        const bool accepted = isAccepted(box->text(), key);
        paint(box, accepted ? acceptedColour : rejectedColour);
        describe(box, accepted ? QStringLiteral("correct") : QStringLiteral("not correct"));
        verdicts.push_back(accepted);
    }
    announce(checkButton(screen), verdictSummary(verdicts));
}

void resetAnswers(QWidget *screen, std::span<const AnswerKey> keys)
{
    for (const AnswerKey &key : keys) {
        QLineEdit *box = answerBox(screen, key.box);
        box->setText(QString());
        paint(box, clearedColour);
        describe(box, QString());
    }
    announce(checkButton(screen), QString());
}

} // namespace ossarion
