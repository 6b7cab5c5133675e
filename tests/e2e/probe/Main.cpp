// The end-to-end tests' probe: reads the program's native controls from
// another process and answers in JSON. One command per run (`probe windows
// 42`), or `probe serve`: one command per line on stdin, its arguments
// separated by tabs, one JSON line back for each, so that the driver can
// poll for a state without starting a process each time.
#include "Commands.h"

#include "toolkit/Text.h"

#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>

namespace {
const std::map<std::string, std::function<void(const Args&, Json&)>> kCommands = {
    {"windows", ListWindows},
    {"tree", ListTreeItems},
    {"tooltips", ListTooltips},
    {"menus", ListPopupMenus},
    {"press", PressButton},
    {"foreground", Foreground},
    {"pids", FindProcesses},
    {"wait", WaitForExit},
    {"kill", Terminate},
    {"hold", HoldFile},
    {"idle", WaitForIdle},
    {"release", ReleaseKeys},
    {"findtext", FindTextOnScreen},
    {"capture", CaptureWindow},
};

void WriteLine(const std::string& text) {
    const std::string line = text + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), DWORD(line.size()), &written, nullptr);
}

bool Run(const std::string& name, const Args& args) {
    Json out;
    try {
        auto command = kCommands.find(name);
        if (command == kCommands.end())
            throw std::runtime_error("unknown command " + name);
        command->second(args, out);
    } catch (const std::exception& error) {
        Json failure;
        failure.BeginObject().Field("error", std::string(error.what())).EndObject();
        WriteLine(failure.Text());
        return false;
    }
    WriteLine(out.Text());
    return true;
}

bool ReadLine(std::string& line) {
    line.clear();
    char byte = 0;
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &byte, 1, &read, nullptr) && read == 1) {
        if (byte == '\n')
            return true;
        if (byte != '\r')
            line += byte;
    }
    return !line.empty();
}

Args SplitTabs(const std::string& line) {
    Args parts;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        parts.push_back(line.substr(start, tab - start));
    parts.push_back(line.substr(start));
    return parts;
}

void Serve() {
    std::string line;
    while (ReadLine(line)) {
        Args parts = SplitTabs(line);
        const std::string name = parts.front();
        parts.erase(parts.begin());
        Run(name, parts);
    }
}
} // namespace

long long NumberArg(const Args& args, std::size_t i) {
    if (i >= args.size())
        throw std::runtime_error("missing argument " + std::to_string(i + 1));
    char* end = nullptr;
    const long long value = std::strtoll(args[i].c_str(), &end, 0);
    if (args[i].empty() || *end != '\0')
        throw std::runtime_error("not a number: " + args[i]);
    return value;
}

HWND WindowArg(const Args& args, std::size_t i) {
    HWND window = WindowOfNumber(NumberArg(args, i));
    if (!IsWindow(window))
        throw std::runtime_error("no window " + args[i]);
    return window;
}

int wmain(int argc, wchar_t** argv) {
    Args args;
    for (int i = 1; i < argc; ++i)
        args.push_back(Narrow(argv[i]));
    if (args.empty())
        return 2;
    if (args[0] == "serve") {
        Serve();
        return 0;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    return Run(name, args) ? 0 : 1;
}
