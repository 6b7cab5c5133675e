#pragma once

// What a form description says, as plain values: the tree the parser builds
// and the loader applies.
//
//   FormPosition                source name, line and column (1-based) of a token
//   FormError                   an Exception whose text starts "source(line:col): "
//   FormValue                   one property value; the As* readers check the
//                               kind and raise FormError at the value's position:
//     AsInt (32-bit), AsDouble (integer or float), AsBool (true/false),
//     AsString, AsIdent, AsSet (names), AsColor (number or clName),
//     AsEnum({{"alLeft", alLeft}, ...})
//   FormProperty                dotted name = value
//   FormObject                  name: class, properties, nested objects
#include "Color.h"
#include "Exception.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct FormPosition {
    std::string source;
    int line = 0;
    int column = 0;
};

class FormError : public Exception {
public:
    FormError(const FormPosition& at, const std::string& message);
};

struct FormProperty;

// An item of an item list: < item Prop = value ... end ... >
struct FormItem {
    std::vector<FormProperty> properties;
    FormPosition position;
};

struct FormValue {
    enum class Kind { Integer, Float, String, Identifier, Set, List, Items, Binary };

    Kind kind = Kind::Integer;
    int64_t integer = 0;
    double number = 0;
    std::string text;               // String and Identifier
    std::vector<std::string> names; // Set
    std::vector<FormValue> list;    // List: ( value value ... )
    std::vector<FormItem> items;    // Items
    std::vector<uint8_t> bytes;     // Binary: { hex }
    FormPosition position;

    int AsInt() const;
    double AsDouble() const;
    bool AsBool() const;
    const std::string& AsString() const;
    const std::string& AsIdent() const;
    const std::vector<std::string>& AsSet() const;
    TColor AsColor() const;

    template <typename E>
    E AsEnum(std::initializer_list<std::pair<std::string_view, E>> names) const {
        const std::string& name = AsIdent();
        for (const auto& [known, value] : names)
            if (known == name)
                return value;
        throw FormError(position, "Invalid property value '" + name + "'");
    }

    // A set of flags: each name must be in the table.
    template <typename F>
    F AsFlags(std::initializer_list<std::pair<std::string_view, F>> names) const {
        F flags{};
        for (const std::string& name : AsSet()) {
            bool known = false;
            for (const auto& [flagName, value] : names)
                if (flagName == name) {
                    flags = F(flags | value);
                    known = true;
                }
            if (!known)
                throw FormError(position, "Invalid set element '" + name + "'");
        }
        return flags;
    }

    std::string KindName() const;
};

struct FormProperty {
    std::string name; // dotted: LeftAxis.Title.Caption
    FormValue value;
    FormPosition position;
};

struct FormObject {
    std::string name;
    std::string className;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
    FormPosition position;
};
