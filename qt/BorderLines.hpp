#pragma once
#include <QColor>
#include <QLineF>
#include <QPainter>

#include <cstdint>

namespace vantor::qt {

// Draws one border line in the model's line style and weight: continuous,
// dashed, dotted, dash-dot, dash-dot-dot, double and slanted dash-dot, thin
// to thick. A style of -1 (the selection's borders differ) is drawn as a
// grey line; no line (-4142) draws nothing.
void DrawBorderLine(QPainter& painter, const QLineF& line, int32_t style, int32_t weight,
                    const QColor& color);
// The pen width in pixels of a border weight.
qreal BorderWidth(int32_t weight);

} // namespace vantor::qt
