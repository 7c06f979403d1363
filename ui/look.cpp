#include "look.h"

#include <QEvent>
#include <QFont>
#include <QPainter>

QFont layoutFont(bool bold)
{
    QFont f(QStringLiteral("Liberation Sans Narrow"));
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

bool NoToolTip::eventFilter(QObject*, QEvent* event) { return event->type() == QEvent::ToolTip; }

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    emit paint(p);
}
