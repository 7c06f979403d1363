// What the desktop does its own way: the style the layouts are drawn for,
// and the desktop entry named on X11 as Qt names it on Wayland.
#pragma once

class QStyle;
class QWidget;

// Fusion, without the menu bar taking a lone Alt.
QStyle* layoutStyle();

// The window's desktop entry, for docks and task switchers on X11.
void nameDesktopEntry(QWidget* window);
