#include "Files.h"

#include "Exception.h"
#include "Handle.h"
#include "Text.h"

#include <algorithm>
#include <cwctype>

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return Narrow(buffer);
}

std::string ExecutableFolder() {
    std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\/") + 1);
}

static Exception OpenError(const std::string& path, DWORD code) {
    return Exception(
        Format("Cannot open file \"%s\". %s", path.c_str(), SysErrorMessage(code).c_str()));
}

namespace {
std::optional<std::string> ReadWholeFile(const std::string& path, bool missingIsNothing) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD code = GetLastError();
        if (missingIsNothing && (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND))
            return std::nullopt;
        throw OpenError(path, code);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size))
        throw OpenError(path, GetLastError());
    std::string bytes(size_t(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, chunk, &got, nullptr))
            throw OpenError(path, GetLastError());
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}
} // namespace

std::string ReadFileBytes(const std::string& path) {
    return *ReadWholeFile(path, false);
}

std::optional<std::string> ReadFileIfPresent(const std::string& path) {
    return ReadWholeFile(path, true);
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    auto fail = [&](DWORD code) {
        return Exception(
            Format("Cannot create file \"%s\". %s", path.c_str(), SysErrorMessage(code).c_str()));
    };
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw fail(GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw fail(GetLastError());
}

bool NameMatches(std::wstring_view name, std::wstring_view pattern) {
    auto same = [](wchar_t a, wchar_t b) { return a == b || towupper(a) == towupper(b); };
    size_t n = 0, p = 0;
    size_t star = std::wstring_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == L'?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star != std::wstring_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> ListFolder(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    const std::wstring widePattern = Widen(pattern);
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(Widen(folder + pattern).c_str(), &found));
    if (!find)
        return names;
    do {
        std::wstring_view name = found.cFileName;
        // The file system also matches the pattern against generated short
        // names: "*.dat" finds "26-12-08.data" as 26-1~0NE.DAT.
        if (name != L"." && name != L".." && NameMatches(name, widePattern))
            names.push_back(Narrow(name));
    } while (FindNextFileW(find.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

void DeleteFileIfPresent(const std::string& path) noexcept {
    DeleteFileW(Widen(path).c_str());
}
