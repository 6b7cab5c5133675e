#pragma once

// The program's small pictures (tree images, button glyphs) at the size a
// screen scale needs. A BITMAP resource NAME is the picture at its designed
// size, 16 x 16; NAME_20, NAME_24 and NAME_32 are the same picture drawn for
// 125, 150 and 200 %. Its bottom-left pixel's colour is its see-through
// colour.
//
//   LoadPictureResource(name, size)   a size x size bitmap: the shipped
//       picture of that size, or the largest that fits drawn whole pixels
//       larger (ShippedPicture) in the middle of a square of the see-through
//       colour, so a picture is never blurred. An Exception when NAME is
//       missing; a larger size that is missing is drawn from the designed one.
#include "Handle.h"

#include <string>

GdiObject LoadPictureResource(const std::string& name, int size);
