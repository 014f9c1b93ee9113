#pragma once

#include <QPainter>
#include <QSize>

// The designs' background pictures, each painted on a canvas of `size`. Patterns
// repeat at the canvas's edges, since the picture is tiled behind the text.
namespace design_drawings {

// The ruled notebook's text size and top margin, which its rules are drawn to fit.
inline constexpr float kRuledFontPoints = 11;
inline constexpr int kRuledTopMargin = 6;

void linen(QPainter& p, QSize size);
void blueSky(QPainter& p, QSize size);
void graphPaper(QPainter& p, QSize size);
void ruledNotebook(QPainter& p, QSize size);
void starryNight(QPainter& p, QSize size);
void autumnLeaves(QPainter& p, QSize size);
void winterSnow(QPainter& p, QSize size);
void springDots(QPainter& p, QSize size);
void parchment(QPainter& p, QSize size);
void oceanWaves(QPainter& p, QSize size);
void roseBorder(QPainter& p, QSize size);
void chalkboard(QPainter& p, QSize size);
void candyStripes(QPainter& p, QSize size);

} // namespace design_drawings
