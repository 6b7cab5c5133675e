#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

// The record that ostrelle.dll owns and shares with the keyboard hook
// component; both sides read and write it in place. This is the library's
// own declaration: the component, built apart, declares the record as it
// expects it (desktop/KeyboardHookRecord.h), and the desktop tests hold the
// two against each other field by field. Every field is a 32-bit
// little-endian word. The words are atomic because the library's hook and the
// component run on different threads; each word has one writer at a time.
struct HookRec {
    // Non-zero while the library's keyboard hook is installed. The component
    // writes 0 before start; from then on only the library writes it.
    std::atomic<std::uint32_t> hookActive;
    // The library's own; the component never touches it.
    std::atomic<std::uint32_t> libraryOwn;
    // Where key-up messages go, and a window for mouse reports (unused).
    std::atomic<std::uint32_t> keyWindow;
    std::atomic<std::uint32_t> mouseWindow;
    // Set to 0 by the component before start, never read by it.
    std::atomic<std::uint32_t> cleared[4];
    // The component's answer for the key just delivered: 1 = refused.
    std::atomic<std::uint32_t> blockKey;
};

static_assert(sizeof(std::atomic<std::uint32_t>) == 4);
static_assert(offsetof(HookRec, hookActive) == 0);
static_assert(offsetof(HookRec, libraryOwn) == 4);
static_assert(offsetof(HookRec, keyWindow) == 8);
static_assert(offsetof(HookRec, mouseWindow) == 12);
static_assert(offsetof(HookRec, cleared) == 16);
static_assert(offsetof(HookRec, blockKey) == 32);
static_assert(sizeof(HookRec) == 36);

// Window handles travel as 32-bit words. Windows keeps only 32 significant
// bits in a window handle, also in a 64-bit process, and widens it by sign
// extension (HandleToLong / LongToHandle).
inline std::uint32_t WindowWord(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

inline HWND WindowOfWord(std::uint32_t word) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(word)));
}

// The three exports, by these exact undecorated names. They take nothing;
// the component ignores what STARTKEYBOARDHOOK and STOPKEYBOARDHOOK return.
using GetHookRecPointerProc = HookRec*(WINAPI*)();
using StartKeyboardHookProc = void(WINAPI*)();
using StopKeyboardHookProc = void(WINAPI*)();
