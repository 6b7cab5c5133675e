#pragma once

#include <utility>
#include <windows.h>

// One move-only owner for every kind of Win32 handle; the traits say what
// "no handle" is and how to let go of one. Copying is deleted so that a handle
// is never closed twice.
template <typename Traits> class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Type Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    Type Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Type handle = Traits::Invalid()) noexcept {
        Type old = std::exchange(handle_, handle);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Type handle_ = Traits::Invalid();
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { CloseHandle(h); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { FindClose(h); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;

struct WindowHandleTraits {
    using Type = HWND;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { DestroyWindow(h); }
};
using WindowHandle = UniqueHandle<WindowHandleTraits>;

struct ModuleHandleTraits {
    using Type = HMODULE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { FreeLibrary(h); }
};
using ModuleHandle = UniqueHandle<ModuleHandleTraits>;

struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { DeleteObject(h); }
};
using GdiObject = UniqueHandle<GdiObjectTraits>;

struct IconHandleTraits {
    using Type = HICON;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { DestroyIcon(h); }
};
using IconHandle = UniqueHandle<IconHandleTraits>;

struct MemoryDcTraits {
    using Type = HDC;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { DeleteDC(h); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// Selects a GDI object into a device context for the length of a scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, old_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};
