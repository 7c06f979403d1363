#include "look.h"

#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLocale>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {
QStringList faces{QStringLiteral("Liberation Sans Narrow")};
}

void chooseScriptFace(const QLocale& language)
{
    // Japanese in a Japanese face: the Chinese one draws kanji in Chinese forms.
    static constexpr struct {
        QLocale::Language language;
        const char* face;
    } scriptFaces[] = {
        {QLocale::Japanese, "VL PGothic"},
        {QLocale::Chinese, "WenQuanYi Micro Hei"},
        {QLocale::Korean, "WenQuanYi Micro Hei"},
        {QLocale::Georgian, "DejaVu Sans Condensed"},
    };
    faces.resize(1);
    for (const auto& s : scriptFaces)
        if (s.language == language.language())
            faces << QString::fromLatin1(s.face);
}

QFont layoutFont(bool bold)
{
    QFont f;
    f.setFamilies(faces);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    f.setBold(bold);
    return f;
}

QFont systemFont()
{
    QFont f = layoutFont(true);
    f.setPixelSize(13);
    return f;
}

void presentWindow(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void placeBeside(QWidget* window, const QWidget* anchor)
{
    constexpr int gap = 8;
    const QRect main = anchor->frameGeometry();
    const QRect client = anchor->geometry();
    const QSize frame = window->size() + main.size() - client.size();
    const QRect screen = anchor->screen()->availableGeometry();
    // Onto the screen along x or y, then whether it is wholly there and clear of anchor.
    const auto slid = [&screen](QRect r, bool alongY) {
        if (alongY)
            r.moveTop(std::max(screen.top(), std::min(r.top(), screen.bottom() + 1 - r.height())));
        else
            r.moveLeft(std::max(screen.left(), std::min(r.left(), screen.right() + 1 - r.width())));
        return r;
    };
    const QRect sides[] = {
        slid(QRect(QPoint(main.right() + 1 + gap, main.top()), frame), true),
        slid(QRect(QPoint(main.left() - gap - frame.width(), main.top()), frame), true),
        slid(QRect(QPoint(main.left(), main.bottom() + 1 + gap), frame), false),
        slid(QRect(QPoint(main.left(), main.top() - gap - frame.height()), frame), false),
    };
    for (const QRect& r : sides)
        if (screen.contains(r) && !r.intersects(main)) {
            window->move(r.topLeft());
            return;
        }
    window->move(slid(sides[0], false).topLeft());
}

bool NoToolTip::eventFilter(QObject*, QEvent* event) { return event->type() == QEvent::ToolTip; }

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    emit paint(p);
}

void placeControls(QWidget* window, const Place* places, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const Place& p = places[i];
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(p.name));
        const int width = p.width == autoWidth ? w->sizeHint().width() : p.width;
        w->setGeometry(p.left, p.top, width, p.height);
    }
}

QGroupBox* groupBox(const char* name, const QString& title, QWidget* parent)
{
    auto* box = named(new QGroupBox(title, parent), name);
    box->setFont(layoutFont(true));
    return box;
}
