#pragma once

#include "Handle.h"
#include "JpegImage.h"

// A device-independent bitmap holding a decoded picture, for a TImage.
GdiObject BitmapFromRgb(const RgbImage& image);
