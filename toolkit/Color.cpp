#include "Color.h"

#include <utility>

COLORREF ColorToRGB(TColor color) {
    if (color & kSystemColor)
        return GetSysColor(int(color & 0xFF));
    return color & 0xFFFFFF;
}

bool IdentToColor(std::string_view name, TColor& color) {
    static const std::pair<std::string_view, TColor> kNames[] = {
        {"clBlack", clBlack},         {"clMaroon", clMaroon},
        {"clGreen", clGreen},         {"clOlive", clOlive},
        {"clNavy", clNavy},           {"clPurple", clPurple},
        {"clTeal", clTeal},           {"clGray", clGray},
        {"clSilver", clSilver},       {"clRed", clRed},
        {"clLime", clLime},           {"clYellow", clYellow},
        {"clBlue", clBlue},           {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},           {"clWhite", clWhite},
        {"clBtnFace", clBtnFace},     {"clBtnShadow", clBtnShadow},
        {"clWindow", clWindow},       {"clWindowText", clWindowText},
        {"clHighlight", clHighlight}, {"clInfoBk", clInfoBk},
        {"clNone", 0x1FFFFFFF},       {"clDefault", 0x20000000},
    };
    for (const auto& [known, value] : kNames)
        if (known == name) {
            color = value;
            return true;
        }
    return false;
}
