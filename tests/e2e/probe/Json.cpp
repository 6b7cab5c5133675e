#include "Json.h"

#include <cstdio>

void Json::Separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_)
        text_ += ',';
    first_ = false;
}

Json& Json::BeginObject() {
    Separate();
    text_ += '{';
    first_ = true;
    return *this;
}

Json& Json::EndObject() {
    text_ += '}';
    first_ = false;
    return *this;
}

Json& Json::BeginArray() {
    Separate();
    text_ += '[';
    first_ = true;
    return *this;
}

Json& Json::EndArray() {
    text_ += ']';
    first_ = false;
    return *this;
}

Json& Json::Key(std::string_view key) {
    String(key);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

Json& Json::String(std::string_view utf8) {
    Separate();
    text_ += '"';
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            text_ += escaped;
        } else {
            text_ += char(c);
        }
    }
    text_ += '"';
    return *this;
}

Json& Json::Int(long long value) {
    Separate();
    text_ += std::to_string(value);
    return *this;
}

Json& Json::Bool(bool value) {
    Separate();
    text_ += value ? "true" : "false";
    return *this;
}

Json& Json::Null() {
    Separate();
    text_ += "null";
    return *this;
}

Json& Json::Raw(const std::string& json) {
    Separate();
    text_ += json;
    return *this;
}

Json& Json::Rect(const RECT& rect) {
    BeginArray();
    for (LONG v : {rect.left, rect.top, rect.right, rect.bottom})
        Int(v);
    return EndArray();
}

long long HandleNumber(HWND window) {
    return static_cast<long long>(reinterpret_cast<std::uintptr_t>(window));
}

HWND WindowOfNumber(long long number) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(number));
}
