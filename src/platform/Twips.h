#pragma once

// Window measures are kept in twips, 1440 to the inch, and converted to pixels at the
// screen's logical resolution (15 twips to a pixel at 96 DPI). Like dialog units, the
// factor grows with the application's UI font: at the usual 9-10 pt nothing changes, a
// larger font scales every measure by how much larger its metrics are, so text is never
// cut and windows keep their proportions. This is the one place that converts.
namespace Twips {
int toPixels(int twips);
int fromPixels(int pixels);
// A pixel measure laid out for the usual font (a row, a control's width), at the UI font.
int scaled(int pixels);
// How much larger the UI font's metrics are than the usual font's; never below 1.
double fontScale();
} // namespace Twips
