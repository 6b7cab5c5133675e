#include "AlignLayout.h"

#include <algorithm>
#include <utility>

namespace {
// The order in which controls of one alignment take their strips.
bool TakesFirst(TAlign align, const TRect& a, const TRect& b) {
    switch (align) {
    case alTop:
        return a.top < b.top;
    case alBottom:
        return a.bottom > b.bottom;
    case alLeft:
        return a.left < b.left;
    case alRight:
        return a.right > b.right;
    default:
        return false;
    }
}

TRect Place(TAlign align, const TRect& bounds, TRect& space) {
    TRect r;
    switch (align) {
    case alTop: {
        int h = std::min(bounds.Height(), space.Height());
        r = {space.left, space.top, space.right, space.top + h};
        space.top += h;
        break;
    }
    case alBottom: {
        int h = std::min(bounds.Height(), space.Height());
        r = {space.left, space.bottom - h, space.right, space.bottom};
        space.bottom -= h;
        break;
    }
    case alLeft: {
        int w = std::min(bounds.Width(), space.Width());
        r = {space.left, space.top, space.left + w, space.bottom};
        space.left += w;
        break;
    }
    case alRight: {
        int w = std::min(bounds.Width(), space.Width());
        r = {space.right - w, space.top, space.right, space.bottom};
        space.right -= w;
        break;
    }
    case alClient:
        r = space;
        break;
    case alNone:
        r = bounds;
        break;
    }
    return r;
}
} // namespace

std::vector<TRect> LayoutAligned(const TRect& client, const std::vector<AlignItem>& items) {
    std::vector<TRect> result;
    result.reserve(items.size());
    for (const AlignItem& item : items)
        result.push_back(item.bounds);

    TRect space = client;
    space.right = std::max(space.right, space.left);
    space.bottom = std::max(space.bottom, space.top);
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<size_t> order;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].align == align)
                order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return TakesFirst(align, items[a].bounds, items[b].bounds);
        });
        for (size_t i : order) {
            TRect bounds = items[i].bounds;
            bounds.right = std::max(bounds.right, bounds.left);
            bounds.bottom = std::max(bounds.bottom, bounds.top);
            result[i] = Place(align, bounds, space);
        }
    }
    return result;
}

bool IdentToAlign(std::string_view name, TAlign& align) {
    static const std::pair<std::string_view, TAlign> kNames[] = {
        {"alNone", alNone}, {"alTop", alTop},     {"alBottom", alBottom},
        {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient},
    };
    for (const auto& [known, value] : kNames)
        if (known == name) {
            align = value;
            return true;
        }
    return false;
}
