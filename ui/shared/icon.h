#pragma once

class QIcon;
class QImage;

// The program icon: a resistor on a transparent ground, drawn in the sixteen
// standard VGA colours. size is the edge in pixels; the design is on 32.
QImage programImage(int size = 32);
QIcon programIcon();
