// probe_menus.dll: loaded by the probe into the program's process for a
// moment, to read a popup menu there (menus cannot be read from another
// process under Wine). It touches nothing of the program: it reads the menu
// named in the probe's shared block and writes the items back into it.
#include "../MenuItems.h"

#include <algorithm>
#include <cstring>

extern "C" __declspec(dllexport) DWORD WINAPI ReadMenuForProbe(void*) noexcept {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE,
                                      MenuReaderBlockName(GetCurrentProcessId()).c_str());
    if (!mapping)
        return 1;
    auto* block = static_cast<MenuReaderBlock*>(
        MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(MenuReaderBlock)));
    DWORD result = 2;
    if (block) {
        try {
            Json out;
            DescribeMenuItems(reinterpret_cast<HMENU>(block->menu),
                              WindowOfNumber(block->menuWindow), out);
            const std::string& text = out.Text();
            const size_t n = std::min(text.size(), sizeof block->json - 1);
            std::memcpy(block->json, text.data(), n);
            block->json[n] = '\0';
            result = 0;
        } catch (...) {
            result = 3;
        }
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
    return result;
}
