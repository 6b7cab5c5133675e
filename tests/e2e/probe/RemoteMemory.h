#pragma once

#include "toolkit/Handle.h"

#include <windows.h>

#include <cstddef>
#include <stdexcept>

// A block of memory inside another process, for the control messages whose
// arguments are pointers (the control reads and writes them in its own
// address space). Freed with the object.
class RemoteMemory {
public:
    // In process `pid`, or the process that owns `window`; `size` bytes,
    // read-write.
    RemoteMemory(DWORD pid, std::size_t size);
    RemoteMemory(HWND window, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The block's address in the other process, `offset` bytes in.
    void* At(std::size_t offset = 0) const { return static_cast<char*>(base_) + offset; }
    LPARAM Param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }

    void Write(std::size_t offset, const void* data, std::size_t size);
    void Read(std::size_t offset, void* data, std::size_t size) const;

    template <typename T> void Put(std::size_t offset, const T& value) {
        Write(offset, &value, sizeof value);
    }
    template <typename T> T Get(std::size_t offset) const {
        T value{};
        Read(offset, &value, sizeof value);
        return value;
    }

private:
    KernelHandle process_;
    void* base_ = nullptr;
    std::size_t size_ = 0;
};
