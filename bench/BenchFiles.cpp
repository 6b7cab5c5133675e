#include "BenchFiles.h"

#include "recording/DayLog.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <vector>
#include <windows.h>

std::string BenchFolder(const std::string& name) {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::string folder = Narrow(base) + name + "\\";
    CreateDirectoryW(Widen(folder).c_str(), nullptr);
    return folder;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(Widen(folder + "*").c_str(), &found));
    if (find) {
        do {
            const std::string name = Narrow(found.cFileName);
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(folder + name + "\\");
            else
                DeleteFileIfPresent(folder + name);
        } while (FindNextFileW(find.Get(), &found));
        find.Reset();
    }
    RemoveDirectoryW(Widen(folder).c_str());
}

std::string BusyDay(int seed) {
    std::vector<MinuteRecord> records(kMinutesPerDay);
    for (int m = 480; m < 1080; ++m)
        records[size_t(m)] = {40 + (m + seed) % 97, 3 + (m * seed) % 31, 0};
    return FormatDayFile(records);
}

void StopOnError(const std::exception& error) {
    throw Exception(error.what());
}
