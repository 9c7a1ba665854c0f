#pragma once

// Window measures are kept in twips, 1440 to the inch, and converted to pixels at the
// screen's logical resolution (15 twips to a pixel at 96 DPI). This is the one place
// that converts.
namespace Twips {
int toPixels(int twips);
int fromPixels(int pixels);
} // namespace Twips
