#pragma once

// Placing aligned controls in their parent's client area, as a plain function
// over values. Top-aligned controls take strips off the top, in the order of
// their current top edge; bottom ones off the bottom (lowest first); then
// left ones (leftmost first) and right ones (rightmost first) from what is
// left; client-aligned controls fill the rest. Ties keep the given order, so
// the caller passes controls in creation order.
//
//   std::vector<TRect> LayoutAligned(client, items)   new bounds, one per item
//   bool IdentToAlign(name, TAlign&)
#include "Geometry.h"

#include <string_view>
#include <vector>

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct AlignItem {
    TAlign align = alNone;
    TRect bounds;
};

// Items with alNone keep their bounds. A strip never grows past the space
// left, so an over-full parent gives zero-sized controls, never negative ones.
std::vector<TRect> LayoutAligned(const TRect& client, const std::vector<AlignItem>& items);

bool IdentToAlign(std::string_view name, TAlign& align);
