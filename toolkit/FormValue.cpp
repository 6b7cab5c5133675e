#include "FormValue.h"

#include "Text.h"

FormError::FormError(const FormPosition& at, const std::string& message)
    : Exception(Format("%s(%d:%d): %s", at.source.c_str(), at.line, at.column, message.c_str())) {}

std::string FormValue::KindName() const {
    switch (kind) {
    case Kind::Integer:
        return "an integer";
    case Kind::Float:
        return "a number";
    case Kind::String:
        return "a string";
    case Kind::Identifier:
        return "an identifier";
    case Kind::Set:
        return "a set";
    case Kind::List:
        return "a list";
    case Kind::Items:
        return "an item list";
    case Kind::Binary:
        return "binary data";
    }
    return "a value";
}

namespace {
[[noreturn]] void Expected(const FormValue& value, const char* what) {
    throw FormError(value.position,
                    std::string("Expected ") + what + ", found " + value.KindName());
}
} // namespace

int FormValue::AsInt() const {
    if (kind != Kind::Integer)
        Expected(*this, "an integer");
    if (integer < INT32_MIN || integer > INT32_MAX)
        throw FormError(position, "Integer out of range");
    return int(integer);
}

double FormValue::AsDouble() const {
    if (kind == Kind::Integer)
        return double(integer);
    if (kind != Kind::Float)
        Expected(*this, "a number");
    return number;
}

bool FormValue::AsBool() const {
    if (kind == Kind::Identifier) {
        if (text == "True" || text == "true")
            return true;
        if (text == "False" || text == "false")
            return false;
    }
    Expected(*this, "True or False");
}

const std::string& FormValue::AsString() const {
    if (kind != Kind::String)
        Expected(*this, "a string");
    return text;
}

const std::string& FormValue::AsIdent() const {
    if (kind != Kind::Identifier)
        Expected(*this, "an identifier");
    return text;
}

const std::vector<std::string>& FormValue::AsSet() const {
    if (kind != Kind::Set)
        Expected(*this, "a set");
    return names;
}

TColor FormValue::AsColor() const {
    if (kind == Kind::Integer) {
        if (integer < INT32_MIN || integer > int64_t(UINT32_MAX))
            throw FormError(position, "Colour out of range");
        return TColor(uint32_t(integer));
    }
    TColor color = 0;
    if (kind == Kind::Identifier && IdentToColor(text, color))
        return color;
    if (kind == Kind::Identifier)
        throw FormError(position, "Unknown colour '" + text + "'");
    Expected(*this, "a colour");
}
