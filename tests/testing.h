// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers shared by the tests.
#pragma once

#include "app/screentable.h"
#include "screens/model.h"

#include <QApplication>
#include <QString>
#include <QWidget>

#include <vector>

namespace testing {

using namespace ossarion;

inline QString qs(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

inline ScreenId screenNamed(const QString &name)
{
    for (int i = 0; i < screenCount; ++i)
        if (qs(describe(ScreenId(i)).name) == name)
            return ScreenId(i);
    qFatal("no screen %s", qPrintable(name));
}

inline std::vector<ScreenId> allScreens()
{
    std::vector<ScreenId> ids;
    for (int i = 0; i < screenCount; ++i)
        ids.push_back(ScreenId(i));
    return ids;
}

// The control of a live screen by its name (and index, for a member of a control array).
inline QWidget *control(QWidget *screen, const QString &name, int index = -1)
{
    for (QWidget *w : screen->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly))
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    return nullptr;
}

inline QWidget *control(QWidget *screen, const ControlDesc &c)
{
    return control(screen, qs(c.name), c.index);
}

// The main screens currently on view.
inline QList<QWidget *> visibleMainScreens()
{
    QList<QWidget *> visible;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("Form")))
            visible << w;
    return visible;
}

} // namespace testing
