#include "AtomicFile.h"

#include "Exception.h"
#include "Files.h"
#include "Handle.h"
#include "Text.h"

namespace {

constexpr int kAttempts = 6;
constexpr DWORD kRetryPauseMs = 8;

bool IsTransient(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED ||
           code == ERROR_LOCK_VIOLATION;
}

Exception CreateError(const std::string& path, DWORD code) {
    return Exception(
        Format("Cannot create file \"%s\". %s", path.c_str(), SysErrorMessage(code).c_str()));
}

bool WriteAll(HANDLE file, const char* data, size_t size) {
    while (size > 0) {
        DWORD written = 0;
        DWORD chunk = DWORD(size > (1u << 30) ? (1u << 30) : size);
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

std::string TempFileNameFor(const std::string& path) {
    return path + ".tmp";
}

void SaveFileAtomically(const std::string& path, std::string_view bytes,
                        const SaveStepProbe& probe) {
    auto step = [&](SaveStep s) {
        if (probe)
            probe(s);
    };
    const std::string temp = TempFileNameFor(path);
    const std::wstring wideTemp = Widen(temp);
    const std::wstring widePath = Widen(path);

    // A read-only day file is the user's say that it must not change; the
    // rename would replace it all the same on some systems.
    DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw CreateError(path, ERROR_ACCESS_DENIED);

    DWORD error = ERROR_SUCCESS;
    {
        FileHandle file;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            file.Reset(CreateFileW(wideTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file || !IsTransient(error = GetLastError()))
                break;
            Sleep(kRetryPauseMs);
        }
        if (!file)
            throw CreateError(path, error);
        step(SaveStep::TempCreated);

        size_t half = bytes.size() / 2;
        bool ok = WriteAll(file.Get(), bytes.data(), half);
        if (ok)
            step(SaveStep::HalfWritten);
        ok = ok && WriteAll(file.Get(), bytes.data() + half, bytes.size() - half);
        ok = ok && FlushFileBuffers(file.Get());
        if (!ok) {
            error = GetLastError();
            file.Reset();
            DeleteFileW(wideTemp.c_str());
            throw CreateError(path, error);
        }
        step(SaveStep::Flushed);
    }
    step(SaveStep::BeforeRename);

    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (MoveFileExW(wideTemp.c_str(), widePath.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            step(SaveStep::Renamed);
            return;
        }
        error = GetLastError();
        if (!IsTransient(error))
            break;
        Sleep(kRetryPauseMs);
    }
    DeleteFileW(wideTemp.c_str());
    throw CreateError(path, error);
}
