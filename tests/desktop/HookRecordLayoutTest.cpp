// ostrelle.dll and the keyboard hook component are built apart and each
// declares the record they share; here the two declarations must agree word
// for word, or this file does not compile.

#include "desktop/KeyboardHookRecord.h"
#include "hooklib/HookRec.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

static_assert(std::is_standard_layout_v<HookRec> && std::is_standard_layout_v<KeyboardHookRecord>,
              "offsets are only meaningful in a standard-layout record");
static_assert(sizeof(HookRec) == sizeof(KeyboardHookRecord));
static_assert(alignof(HookRec) == alignof(KeyboardHookRecord));

// Each field at the same offset, of the same type (and so the same size and,
// for an array, the same number of words) on both sides.
#define SAME_FIELD(field)                                                                          \
    static_assert(offsetof(HookRec, field) == offsetof(KeyboardHookRecord, field),                 \
                  #field " lies at another offset");                                               \
    static_assert(sizeof(HookRec::field) == sizeof(KeyboardHookRecord::field),                     \
                  #field " has another size");                                                     \
    static_assert(std::is_same_v<decltype(HookRec::field), decltype(KeyboardHookRecord::field)>,   \
                  #field " has another type")

SAME_FIELD(hookActive);
SAME_FIELD(libraryOwn);
SAME_FIELD(keyWindow);
SAME_FIELD(mouseWindow);
SAME_FIELD(cleared);
SAME_FIELD(blockKey);

#undef SAME_FIELD

// The fields above fill the record: no field of one side is missing above.
static_assert(offsetof(HookRec, blockKey) + sizeof(HookRec::blockKey) == sizeof(HookRec));

// A window handle turned into a record word and back the same way on both
// sides, including handles whose 32 significant bits are negative.
TEST(HookRecordLayout, WindowWordsAreMadeAndReadAlikeOnBothSides) {
    const std::uintptr_t handles[] = {
        0, 0x1, 0x10052, 0x7FFFFFFF, 0xFFFFFFFF80000000ull, 0xFFFFFFFFFFFFFFFFull};
    for (std::uintptr_t bits : handles) {
        HWND window = reinterpret_cast<HWND>(bits);
        SCOPED_TRACE(bits);
        EXPECT_EQ(KeyboardHookRecord::WordOf(window), WindowWord(window));
        const std::uint32_t word = WindowWord(window);
        EXPECT_EQ(KeyboardHookRecord::WindowOf(word), WindowOfWord(word));
        EXPECT_EQ(KeyboardHookRecord::WindowOf(word), window);
    }
}

} // namespace
