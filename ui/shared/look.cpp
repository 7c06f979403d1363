#include "look.h"

#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLocale>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <vector>

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
        {QLocale::Arabic, "DejaVu Sans Condensed"},
        {QLocale::Persian, "DejaVu Sans Condensed"},
        {QLocale::Hebrew, "DejaVu Sans Condensed"},
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

QLocale numberLocale() { return QLocale().zeroDigit() == QLatin1String("0") ? QLocale() : QLocale::c(); }

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

namespace {

// A window's places, kept by the window and put again when a parent of a
// placed control changes its width or direction.
class Placer : public QObject {
public:
    Placer(QWidget* window, const Place* places, std::size_t count)
        : QObject(window)
        , window_(window)
        , places_(places, places + count)
    {
        for (const Place& p : places_)
            widget(p)->parentWidget()->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange)
            place();
        return false;
    }

private:
    QWidget* widget(const Place& p) const { return window_->findChild<QWidget*>(QString::fromLatin1(p.name)); }

    QRect leftToRight(const Place& p) const
    {
        const int width = p.width == autoWidth ? widget(p)->sizeHint().width() : p.width;
        return {p.left, p.top, width, p.height};
    }

    QRect mirrored(const Place& p) const
    {
        const QWidget* parent = widget(p)->parentWidget();
        const QRect r = leftToRight(p);
        if (!parent->isRightToLeft())
            return r;
        if (!p.partOf)
            return r.translated(parent->width() - 2 * r.x() - r.width(), 0);
        const auto whole = std::find_if(places_.begin(), places_.end(),
            [&p](const Place& q) { return QLatin1String(q.name) == QLatin1String(p.partOf); });
        return r.translated(mirrored(*whole).x() - whole->left, 0);
    }

    void place()
    {
        for (const Place& p : places_)
            widget(p)->setGeometry(mirrored(p));
    }

    QWidget* window_;
    std::vector<Place> places_;
};

} // namespace

void placeControls(QWidget* window, const Place* places, std::size_t count) { new Placer(window, places, count); }

QGroupBox* groupBox(const char* name, const QString& title, QWidget* parent)
{
    auto* box = named(new QGroupBox(title, parent), name);
    box->setFont(layoutFont(true));
    return box;
}
