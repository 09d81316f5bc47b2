#pragma once
#include "vantor/ui/Control.hpp"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include <cstdint>
#include <functional>

class QWidget;

namespace vantor::qt {

// The screen's logical dots per inch (96 when there is no screen).
double ScreenDpi();
// Twips (1/1440 inch) to whole pixels at dpi, rounded to the nearest.
int TwipsToPixels(int32_t twips, double dpi);
QRect TwipsToPixels(const Rect& rect, double dpi);

// A colour of the controls: RGB with red in the low byte, or a system colour
// 0x800000nn resolved from the palette. Automatic (-1) and "no uniform
// colour" give `fallback`.
QColor ColorOf(int32_t color, const QPalette& palette, const QColor& fallback = Qt::black);
// The same colour the other way: RGB with red in the low byte.
int32_t RgbOf(const QColor& color);

// The largest of `font` and its sizes half a point smaller, down to 7
// points, for which `fits` holds; 7 points when none does. Captions that the
// design leaves too little room for at the dialog font show whole this way.
QFont FittedFont(QFont font, const std::function<bool(const QFont&)>& fits);

// A caption's text as Qt shows it on buttons: '&' marks the access key in
// both worlds, so it is kept; on plain labels it is dropped. A peer given an
// access letter by its window (the property AccessText, the caption as
// marked) shows that instead while its caption stays the same.
QString CaptionText(const std::string& caption, bool keepAccessKey, const QWidget* peer = nullptr);

} // namespace vantor::qt
