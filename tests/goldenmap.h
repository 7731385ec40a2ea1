// SPDX-License-Identifier: GPL-3.0-or-later
// The reviewed screen map, tests/golden/screens.txt (written by tst_golden from the built
// windows), read back for the tests that must know the right answers and the moves without
// asking the tables they check.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <map>
#include <vector>

#ifndef OSSARION_GOLDEN_DIR
#error "OSSARION_GOLDEN_DIR must name the folder of the reviewed goldens"
#endif

namespace testing::golden {

inline QString directory()
{
    return QStringLiteral(OSSARION_GOLDEN_DIR);
}

struct Button {
    QString name;
    QString caption;
    QString goesTo; // the screen a go-to or "Main menu" leads to, else empty
    QString does;   // what the map says it does, as written
};

struct Screen {
    QString name;
    QString caption;
    std::vector<Button> buttons;
    // Answer boxes Text1, Text2 ... in number order, each with the words it accepts.
    std::map<int, QStringList> accepts;
};

// The quoted strings of a line, with the escapes the map writes (\" \\ \n \r \t).
inline QStringList quotedStrings(const QString &line)
{
    QStringList out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != QLatin1Char('"'))
            continue;
        QString s;
        for (++i; i < line.size() && line[i] != QLatin1Char('"'); ++i) {
            if (line[i] == QLatin1Char('\\') && i + 1 < line.size()) {
                const QChar e = line[++i];
                s += e == QLatin1Char('n') ? QChar(u'\n') : e == QLatin1Char('r') ? QChar(u'\r')
                   : e == QLatin1Char('t') ? QChar(u'\t') : e;
            } else {
                s += line[i];
            }
        }
        out << s;
    }
    return out;
}

// Every screen of the map by name; empty (and a warning) when the file cannot be read.
inline const std::map<QString, Screen> &screens()
{
    static const std::map<QString, Screen> map = [] {
        std::map<QString, Screen> m;
        QFile file(directory() + QStringLiteral("/screens.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qWarning("cannot read %s", qPrintable(file.fileName()));
            return m;
        }
        static const QRegularExpression header(QStringLiteral("^(\\S+) (\".*\")$"));
        static const QRegularExpression control(QStringLiteral("^  (\\w+) (\\S+) "));
        static const QRegularExpression goesTo(QStringLiteral("; goes to (\\S+) \""));
        static const QRegularExpression box(QStringLiteral("^Text(\\d+)$"));
        QTextStream in(&file);
        Screen *current = nullptr;
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith(QLatin1Char('#')) || line.isEmpty())
                continue;
            if (const auto h = header.match(line); h.hasMatch()) {
                current = &m[h.captured(1)];
                current->name = h.captured(1);
                current->caption = quotedStrings(h.captured(2)).value(0);
                continue;
            }
            const auto c = control.match(line);
            if (!current || !c.hasMatch())
                continue;
            const QString kind = c.captured(1), name = c.captured(2);
            if (kind == QLatin1String("button")) {
                const QStringList quoted = quotedStrings(line);
                const auto g = goesTo.match(line);
                current->buttons.push_back({name, quoted.value(0), g.hasMatch() ? g.captured(1) : QString(),
                                            line.section(QLatin1String("; "), -1)});
            } else if (kind == QLatin1String("answer")) {
                const auto b = box.match(name);
                const qsizetype at = line.indexOf(QLatin1String("; accepts"));
                if (b.hasMatch() && at >= 0)
                    current->accepts[b.captured(1).toInt()] = quotedStrings(line.mid(at));
            }
        }
        return m;
    }();
    return map;
}

inline const Screen *screen(const QString &name)
{
    const auto it = screens().find(name);
    return it == screens().end() ? nullptr : &it->second;
}

// Whether the map says the box accepts what was typed: the typing lower-cased equals one
// of its words.
inline bool accepts(const Screen &s, int box, const QString &typed)
{
    const auto it = s.accepts.find(box);
    return it != s.accepts.end() && it->second.contains(typed.toLower());
}

} // namespace testing::golden
