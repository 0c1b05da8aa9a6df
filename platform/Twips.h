#pragma once

namespace platform {

// Window geometry is designed in twips (1/1440 inch); Qt lays out in
// device-independent pixels, of which one is 15 twips at the usual density.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return twips / kTwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

}  // namespace platform
