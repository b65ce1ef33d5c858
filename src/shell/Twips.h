#pragma once

#include <QColor>

class QWidget;

// Design measures and colours: positions in twips (15 to a pixel), colours as &H00BBGGRR.
class Twips
{
public:
    static constexpr int kPerPixel = 15;

    static int toPixels(int twips) { return (twips + kPerPixel / 2) / kPerPixel; }
    static int fromPixels(int pixels) { return pixels * kPerPixel; }
    static void place(QWidget *w, int left, int top, int width, int height);

    static QColor color(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
    static QColor buttonFace();
    static void setBackColor(QWidget *w, const QColor &color);
    static QColor backColor(const QWidget *w);
    static void setForeColor(QWidget *w, const QColor &color);
    // Back to the desktop's own colours inside a window painted in colours of its own.
    static void useDesktopColors(QWidget *w);
};

namespace VbColor {
constexpr quint32 kYellow = 0x0000FFFF;
constexpr quint32 kWhite = 0x00FFFFFF;
constexpr quint32 kLightRed = 0x008080FF;
constexpr quint32 kLightYellow = 0x0080FFFF;
constexpr quint32 kGreen = 0x0000FF00;
constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kLightGrey = 0x00E0E0E0;
constexpr quint32 kBlack = 0x00000000;
}
