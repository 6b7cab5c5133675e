#include "RemoteMemory.h"

#include <string>

namespace {
DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}
} // namespace

RemoteMemory::RemoteMemory(HWND window, std::size_t size) : RemoteMemory(ProcessOf(window), size) {}

RemoteMemory::RemoteMemory(DWORD pid, std::size_t size) : size_(size) {
    process_.Reset(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process_)
        throw std::runtime_error("cannot open process " + std::to_string(pid));
    base_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!base_)
        throw std::runtime_error("cannot allocate memory in process " + std::to_string(pid));
}

RemoteMemory::~RemoteMemory() {
    if (base_)
        VirtualFreeEx(process_.Get(), base_, 0, MEM_RELEASE);
}

void RemoteMemory::Write(std::size_t offset, const void* data, std::size_t size) {
    SIZE_T written = 0;
    if (offset + size > size_ ||
        !WriteProcessMemory(process_.Get(), At(offset), data, size, &written) || written != size)
        throw std::runtime_error("cannot write to the other process");
}

void RemoteMemory::Read(std::size_t offset, void* data, std::size_t size) const {
    SIZE_T read = 0;
    if (offset + size > size_ ||
        !ReadProcessMemory(process_.Get(), At(offset), data, size, &read) || read != size)
        throw std::runtime_error("cannot read from the other process");
}
