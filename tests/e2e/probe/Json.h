#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// Builds one JSON value as text, the probe's answer to a command. Objects and
// arrays are opened and closed explicitly; commas are put in by the writer.
class Json {
public:
    Json& BeginObject();
    Json& EndObject();
    Json& BeginArray();
    Json& EndArray();
    Json& Key(std::string_view key);
    Json& String(std::string_view utf8);
    Json& Int(long long value);
    Json& Bool(bool value);
    Json& Null();
    Json& Rect(const RECT& rect);       // [left, top, right, bottom]
    Json& Raw(const std::string& json); // a value already written as JSON

    template <typename T> Json& Field(std::string_view key, T value);

    const std::string& Text() const { return text_; }

private:
    void Separate();

    std::string text_;
    bool first_ = true; // no value yet in the innermost object or array
    bool afterKey_ = false;
};

template <typename T> Json& Json::Field(std::string_view key, T value) {
    Key(key);
    if constexpr (std::is_same_v<T, bool>)
        return Bool(value);
    else if constexpr (std::is_integral_v<T>)
        return Int(static_cast<long long>(value));
    else if constexpr (std::is_same_v<T, RECT>)
        return Rect(value);
    else
        return String(value);
}

// A window handle as the number the driver passes back to later commands.
long long HandleNumber(HWND window);
HWND WindowOfNumber(long long number);
