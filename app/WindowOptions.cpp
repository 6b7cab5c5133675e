#include "WindowOptions.h"

#include "toolkit/IniFile.h"

#include <algorithm>

namespace {
constexpr char kSection[] = "PosSize";
constexpr int kMinimumWidth = 150;
constexpr int kMinimumHeight = 100;
} // namespace

WindowOptions ReadWindowOptions(const std::string& path, const WindowOptions& designed) {
    const TIniFile ini(path);
    WindowOptions options = designed;
    switch (ini.ReadInteger(kSection, "WindowState", int(WindowOptions::State::Normal))) {
    case int(WindowOptions::State::Hidden):
        options.state = WindowOptions::State::Hidden;
        break;
    case int(WindowOptions::State::Maximised):
        options.state = WindowOptions::State::Maximised;
        break;
    default:
        options.state = WindowOptions::State::Normal;
    }
    if (options.state != WindowOptions::State::Maximised) {
        const TRect& d = designed.bounds;
        const int left = ini.ReadInteger(kSection, "Left", d.left);
        const int top = ini.ReadInteger(kSection, "Top", d.top);
        const int width = std::max(ini.ReadInteger(kSection, "Width", d.Width()), kMinimumWidth);
        const int height =
            std::max(ini.ReadInteger(kSection, "Height", d.Height()), kMinimumHeight);
        options.bounds = TRect::FromBounds(left, top, width, height);
    }
    options.treeWidth = ini.ReadInteger(kSection, "TreeWidth", designed.treeWidth);
    return options;
}

void WriteWindowOptions(const std::string& path, const WindowOptions& options) {
    TIniFile ini(path);
    ini.WriteInteger(kSection, "WindowState", int(options.state));
    if (options.state != WindowOptions::State::Maximised) {
        ini.WriteInteger(kSection, "Top", options.bounds.top);
        ini.WriteInteger(kSection, "Left", options.bounds.left);
        ini.WriteInteger(kSection, "Height", options.bounds.Height());
        ini.WriteInteger(kSection, "Width", options.bounds.Width());
    }
    ini.WriteInteger(kSection, "TreeWidth", options.treeWidth);
}
