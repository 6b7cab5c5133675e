#include "Cursor.h"

#include <utility>

HCURSOR LoadCursorOf(TCursor cursor) {
    LPCWSTR id = nullptr;
    switch (cursor) {
    case crDefault:
        return nullptr;
    case crArrow:
        id = IDC_ARROW;
        break;
    case crCross:
        id = IDC_CROSS;
        break;
    case crIBeam:
        id = IDC_IBEAM;
        break;
    case crSizeNESW:
        id = IDC_SIZENESW;
        break;
    case crSizeNS:
    case crVSplit:
        id = IDC_SIZENS;
        break;
    case crSizeNWSE:
        id = IDC_SIZENWSE;
        break;
    case crSizeWE:
    case crHSplit:
        id = IDC_SIZEWE;
        break;
    case crHourGlass:
        id = IDC_WAIT;
        break;
    case crNo:
        id = IDC_NO;
        break;
    case crHandPoint:
        id = IDC_HAND;
        break;
    case crSizeAll:
        id = IDC_SIZEALL;
        break;
    }
    return id ? LoadCursorW(nullptr, id) : nullptr;
}

bool IdentToCursor(std::string_view name, TCursor& cursor) {
    static const std::pair<std::string_view, TCursor> kNames[] = {
        {"crDefault", crDefault},     {"crArrow", crArrow},       {"crCross", crCross},
        {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW}, {"crSizeNS", crSizeNS},
        {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},     {"crHourGlass", crHourGlass},
        {"crHSplit", crHSplit},       {"crVSplit", crVSplit},     {"crNo", crNo},
        {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll},
    };
    for (const auto& [known, value] : kNames)
        if (known == name) {
            cursor = value;
            return true;
        }
    return false;
}
