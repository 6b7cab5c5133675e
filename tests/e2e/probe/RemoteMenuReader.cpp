#include "RemoteMenuReader.h"

#include "MenuItems.h"
#include "RemoteMemory.h"

#include "toolkit/Handle.h"

#include <tlhelp32.h>

#include <cwctype>
#include <stdexcept>

namespace {
std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = wchar_t(std::towlower(c));
    return text;
}

std::wstring ReaderPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"probe_menus.dll";
}

// Where a module of ours is loaded in the other process.
BYTE* RemoteModuleBase(DWORD pid, const std::wstring& fileName) {
    KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
    if (snapshot.Get() == INVALID_HANDLE_VALUE)
        return nullptr;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot.Get(), &entry); more;
         more = Module32NextW(snapshot.Get(), &entry))
        if (Lower(entry.szModule) == Lower(fileName))
            return entry.modBaseAddr;
    return nullptr;
}

// A function of a module as the other process has it: same offset from the
// module's base as here.
void* RemoteFunction(DWORD pid, const std::wstring& fileName, HMODULE local, const char* name) {
    BYTE* base = RemoteModuleBase(pid, fileName);
    auto proc = reinterpret_cast<BYTE*>(GetProcAddress(local, name));
    if (!base || !proc)
        throw std::runtime_error(std::string("no ") + name + " in the program's process");
    return base + (proc - reinterpret_cast<BYTE*>(local));
}

DWORD RunThread(HANDLE process, void* function, void* parameter) {
    KernelHandle thread(CreateRemoteThread(process, nullptr, 0,
                                           reinterpret_cast<LPTHREAD_START_ROUTINE>(function),
                                           parameter, 0, nullptr));
    if (!thread || WaitForSingleObject(thread.Get(), 10000) != WAIT_OBJECT_0)
        throw std::runtime_error("a thread in the program's process did not run");
    DWORD code = 0;
    GetExitCodeThread(thread.Get(), &code);
    return code;
}

class SharedBlock {
public:
    explicit SharedBlock(DWORD pid)
        : mapping_(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(MenuReaderBlock), MenuReaderBlockName(pid).c_str())) {
        if (mapping_)
            block_ = static_cast<MenuReaderBlock*>(
                MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(MenuReaderBlock)));
        if (!block_)
            throw std::runtime_error("cannot make the menu reader's block");
    }
    ~SharedBlock() { UnmapViewOfFile(block_); }
    SharedBlock(const SharedBlock&) = delete;
    SharedBlock& operator=(const SharedBlock&) = delete;
    MenuReaderBlock& operator*() { return *block_; }

private:
    KernelHandle mapping_;
    MenuReaderBlock* block_ = nullptr;
};
} // namespace

std::string ReadMenuInProcess(DWORD pid, HMENU menu, HWND menuWindow) {
    const std::wstring path = ReaderPath();
    ModuleHandle reader(LoadLibraryW(path.c_str()));
    if (!reader)
        throw std::runtime_error("cannot load probe_menus.dll");
    SharedBlock block(pid);
    (*block).menu = reinterpret_cast<long long>(menu);
    (*block).menuWindow = HandleNumber(menuWindow);
    (*block).json[0] = '\0';

    KernelHandle process(OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION |
                                         PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ,
                                     FALSE, pid));
    if (!process)
        throw std::runtime_error("cannot open the program's process");
    RemoteMemory remotePath(pid, (path.size() + 1) * sizeof(wchar_t));
    remotePath.Write(0, path.c_str(), (path.size() + 1) * sizeof(wchar_t));

    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    RunThread(process.Get(), RemoteFunction(pid, L"kernel32.dll", kernel, "LoadLibraryW"),
              remotePath.At());
    void* read = RemoteFunction(pid, L"probe_menus.dll", reader.Get(), "ReadMenuForProbe");
    const DWORD result = RunThread(process.Get(), read, nullptr);
    RunThread(process.Get(), RemoteFunction(pid, L"kernel32.dll", kernel, "FreeLibrary"),
              RemoteModuleBase(pid, L"probe_menus.dll"));
    if (result != 0)
        throw std::runtime_error("the menu reader failed: " + std::to_string(result));
    return (*block).json;
}
