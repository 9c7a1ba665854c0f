#pragma once

#include <QColor>

// How bright a colour looks, from 0 (black) to 1 (white), as the WCAG define it.
double relativeLuminance(const QColor& colour);
// How far apart two colours' luminances are, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);
// The colour darkened on a light background, lightened on a dark one, until it reads at
// the least contrast (or as near as it gets).
QColor readableOn(QColor colour, const QColor& background, double leastContrast);
