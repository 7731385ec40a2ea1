// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/builder.h"

#include "assets/pixmaps.h"
#include "screens/controls.h"
#include "screens/fonts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextEdit>
#include <QVariant>

#include <algorithm>
#include <map>
#include <vector>

namespace ossarion {

namespace {

constexpr const char *descriptionProperty = "ossarionDescription";

QString toQString(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// 0x00BBGGRR to a colour; the system window-text colour comes from the palette.
QColor toQColor(Colour c, const QPalette &palette)
{
    if (c == colour::systemWindowText)
        return palette.color(QPalette::WindowText);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void setColour(QWidget *w, QPalette::ColorRole role, Colour c)
{
    if (c == colour::kindDefault)
        return;
    QPalette p = w->palette();
    p.setColor(role, toQColor(c, p));
    w->setPalette(p);
}

QRect rectInPixels(const ControlDesc &c)
{
    return QRect(toPixels(c.left), toPixels(c.top), toPixels(c.width), toPixels(c.height));
}

Qt::Alignment toQtAlignment(Align a)
{
    switch (a) {
    case Align::Right: return Qt::AlignRight;
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// Hands the window's own events to the program.
class WindowHooks : public QObject {
public:
    WindowHooks(QWidget *window, const ScreenDesc &desc, ScreenEvents &events)
        : QObject(window), m_window(window), m_desc(desc), m_events(events)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Close:
            if (!m_events.closeRequested(m_window, m_desc)) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::Resize:
            m_events.resized(m_window, m_desc);
            break;
        case QEvent::Move:
            m_events.moved(m_window, m_desc);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_window;
    const ScreenDesc &m_desc;
    ScreenEvents &m_events;
};

// The layouts are fixed, measured in the program's own font: a desktop theme may set the
// application's font and palette at any time, even after the first screen is built (some
// do so once the program runs), and every widget that takes them from the application
// would follow. Each window holds its own, in every property, and its controls take them
// from the window.
void ownLook(QWidget *window)
{
    QFont font = standardFont();
    font.setResolveMask(QFont::AllPropertiesResolved);
    window->setFont(font);
    QPalette palette = window->style()->standardPalette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    window->setPalette(palette);
}

QWidget *makeWindow(const ScreenDesc &desc)
{
    installScreenAccessibility();
    const QSize client(toPixels(desc.clientWidth), toPixels(desc.clientHeight));
    QWidget *window = nullptr;
    if (desc.frame == Frame::FixedDialog) {
        window = new DialogScreen(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                               | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                               | Qt::MSWindowsFixedSizeDialogHint);
        window->setFixedSize(client);
        // "OK" closes the window: closing destroys it, and the next opening builds it afresh.
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (desc.minMaxBoxes)
            flags |= Qt::WindowMinMaxButtonsHint;
        window = new ScreenWindow(nullptr, flags);
        window->resize(client);
    }
    ownLook(window);
    window->setObjectName(toQString(desc.name));
    window->setWindowTitle(toQString(desc.caption));
    window->setWindowIcon(programIcon());
    window->setAutoFillBackground(true);
    setColour(window, QPalette::Window, desc.back);
    window->move(toPixels(desc.clientLeft), toPixels(desc.clientTop));
    window->setProperty(descriptionProperty, QVariant::fromValue(static_cast<const void *>(&desc)));
    return window;
}

// The size an auto-sized label takes. Laying out its text is the costliest part of building
// a screen, and every visit builds its screen anew from the same constant description: the
// size is worked out once per label and font and remembered.
template<typename Measure>
QSize autoSize(const ControlDesc &c, const QLabel *label, Measure measure)
{
    static std::map<std::pair<const ControlDesc *, QString>, QSize> sizes;
    auto key = std::make_pair(&c, label->font().key());
    auto it = sizes.find(key);
    if (it == sizes.end())
        it = sizes.emplace(std::move(key), measure()).first;
    return it->second;
}

QWidget *makeLabel(const ControlDesc &c, QWidget *parent)
{
    // The text after its format: a change of format sets the text again, and a screen
    // reader would hear every caption twice.
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(c.text));
    label->setAlignment(toQtAlignment(c.align) | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::NoFocus);
    setColour(label, QPalette::Window, c.back);
    if (c.fore == colour::kindDefault) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
        label->setPalette(p);
    } else {
        setColour(label, QPalette::WindowText, c.fore);
    }
    if (c.font == FontSize::Heading)
        label->setFont(headingFont());

    QRect r = rectInPixels(c);
    if (c.autoSize && !c.wordWrap) {
        // One line, as wide as the caption in the font in use.
        // A right-aligned label keeps its right edge, where it meets a drawing; the others
        // keep their left edge.
        const int right = r.right();
        r.setSize(autoSize(c, label, [label] { return label->sizeHint(); }));
        if (c.align == Align::Right)
            r.moveRight(right);
    } else {
        label->setWordWrap(true);
        if (c.autoSize)
            r.setHeight(autoSize(c, label, [label, &r] { return QSize(r.width(), label->heightForWidth(r.width())); }).height());
    }
    label->setGeometry(r);
    return label;
}

QWidget *makeButton(const ControlDesc &c, QWidget *parent)
{
    auto *button = new WrappingButton(toQString(c.text), parent);
    button->setAutoDefault(c.isDefault);
    button->setDefault(c.isDefault);
    if (c.graphical) {
        setColour(button, QPalette::Button, c.back);
        button->setAutoFillBackground(true);
    }
    if (c.isCancel)
        if (auto *dialog = qobject_cast<DialogScreen *>(parent))
            dialog->setCancelButton(button);
    button->setGeometry(rectInPixels(c));
    return button;
}

QWidget *makeTextBox(const ControlDesc &c, QWidget *parent)
{
    QWidget *box = nullptr;
    if (c.multiLine) {
        auto *edit = new QTextEdit(parent);
        edit->setReadOnly(c.readOnly);
        edit->setTabChangesFocus(true);
        edit->setAcceptRichText(false);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->document()->setDocumentMargin(1);
        QTextOption option = edit->document()->defaultTextOption();
        option.setAlignment(toQtAlignment(c.align));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit->document()->setDefaultTextOption(option);
        // Stored texts break their lines with CR LF.
        edit->setPlainText(toQString(c.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        box = edit;
    } else {
        auto *edit = new QLineEdit(toQString(c.text), parent);
        edit->setAlignment(toQtAlignment(c.align) | Qt::AlignVCenter);
        edit->setReadOnly(c.readOnly);
        box = edit;
    }
    setColour(box, QPalette::Base, c.back);
    setColour(box, QPalette::Text, c.fore);
    box->setGeometry(rectInPixels(c));
    return box;
}

QWidget *makePicture(const ControlDesc &c, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAutoFillBackground(true);
    setColour(box, QPalette::Window, c.back);
    const QPixmap picture = assetPixmap(c.picture);
    box->setPixmap(picture);
    int frame = 0;
    if (c.framed) {
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(2);
        frame = 2;
    }
    // Auto-size: the box is its picture (plus the frame).
    const QSize size = picture.deviceIndependentSize().toSize() + QSize(2 * frame, 2 * frame);
    box->setGeometry(QRect(QPoint(toPixels(c.left), toPixels(c.top)), size));
    return box;
}

QWidget *makeLine(const ControlDesc &c, QWidget *parent)
{
    const int x1 = toPixels(c.x1), y1 = toPixels(c.y1), x2 = toPixels(c.x2), y2 = toPixels(c.y2);
    auto *line = new LineControl(toQColor(c.fore, parent->palette()), c.lineWidth, parent);
    const QRect r(QPoint(std::min(x1, x2), std::min(y1, y2)),
                  QPoint(std::max(x1, x2) + (x1 == x2 ? c.lineWidth - 1 : 0),
                         std::max(y1, y2) + (y1 == y2 ? c.lineWidth - 1 : 0)));
    line->setGeometry(r);
    return line;
}

QWidget *makeControl(const ControlDesc &c, QWidget *parent)
{
    switch (c.kind) {
    case Kind::Label: return makeLabel(c, parent);
    case Kind::Button: return makeButton(c, parent);
    case Kind::TextBox: return makeTextBox(c, parent);
    case Kind::Picture: return makePicture(c, parent);
    case Kind::Line: return makeLine(c, parent);
    }
    return nullptr;
}

bool paintedOnBackground(Kind k) { return k == Kind::Label || k == Kind::Line; }

// Names for screen readers where the visible text does not name the control: a drawing
// by what it shows, a fixed text by its first line. Labels and buttons are named by their
// captions already; an answer box is named by its test, which knows where it points.
void nameForAssistiveTechnology(const std::vector<std::pair<const ControlDesc *, QWidget *>> &controls)
{
    for (const auto &[c, w] : controls) {
        if (c->kind == Kind::TextBox && c->readOnly)
            w->setAccessibleName(toQString(c->text).section(QLatin1String("\r\n"), 0, 0).trimmed());
        else if (c->kind == Kind::Picture)
            w->setAccessibleName(toQString(assetInfo(c->picture).shows));
    }
}

} // namespace

QWidget *buildScreen(const ScreenDesc &desc, ScreenEvents &events)
{
    QWidget *window = makeWindow(desc);
    std::vector<std::pair<const ControlDesc *, QWidget *>> built;
    built.reserve(desc.controls.size());

    // Children made later are drawn above those made earlier. Labels and lines lie
    // beneath every other control; within each group the first listed is front-most.
    for (const bool background : {true, false}) {
        for (auto it = desc.controls.rbegin(); it != desc.controls.rend(); ++it) {
            if (paintedOnBackground(it->kind) != background)
                continue;
            QWidget *w = makeControl(*it, window);
            w->setObjectName(toQString(it->name));
            if (it->index >= 0)
                w->setProperty("index", it->index);
            if (!background)
                w->setFocusPolicy(it->tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            built.emplace_back(&*it, w);
        }
    }

    // Tab order: by tab index over the controls that can hold the focus.
    std::vector<std::pair<const ControlDesc *, QWidget *>> focusable;
    for (const auto &entry : built)
        if (!paintedOnBackground(entry.first->kind))
            focusable.push_back(entry);
    std::sort(focusable.begin(), focusable.end(),
              [](const auto &a, const auto &b) { return a.first->tabIndex < b.first->tabIndex; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    const auto first = std::find_if(focusable.begin(), focusable.end(),
                                    [](const auto &e) { return e.first->tabStop; });
    if (first != focusable.end())
        first->second->setFocus(Qt::OtherFocusReason);

    nameForAssistiveTechnology(focusable);

    for (const auto &[control, widget] : built) {
        if (control->kind != Kind::Button)
            continue;
        auto *button = static_cast<QPushButton *>(widget);
        QObject::connect(button, &QPushButton::clicked, window,
                         [window, &desc, control, &events] { events.buttonClicked(window, desc, *control); });
    }

    window->installEventFilter(new WindowHooks(window, desc, events));
    return window;
}

const ScreenDesc *descriptionOf(const QWidget *screen)
{
    return static_cast<const ScreenDesc *>(screen->property(descriptionProperty).value<const void *>());
}

} // namespace ossarion
