#include "FormParser.h"

#include <cctype>
#include <cstdlib>

namespace {

enum class Tok { End, Ident, Integer, Float, String, Symbol, Binary };

struct Token {
    Tok kind = Tok::End;
    std::string text; // identifier, string content, symbol, number spelling
    int64_t integer = 0;
    double number = 0;
    std::vector<uint8_t> bytes;
    FormPosition position;
};

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Lexer {
public:
    Lexer(std::string_view text, const std::string& source) : text_(text), source_(source) {}

    Token Next() {
        SkipBlanks();
        Token t;
        t.position = Here();
        if (pos_ >= text_.size())
            return t;
        char c = text_[pos_];
        if (IsIdentStart(c)) {
            t.kind = Tok::Ident;
            while (pos_ < text_.size() && IsIdentChar(text_[pos_]))
                t.text += Take();
        } else if (IsDigit(c) || c == '$' ||
                   ((c == '-' || c == '+') && pos_ + 1 < text_.size() &&
                    (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$'))) {
            ReadNumber(t);
        } else if (c == '\'' || c == '#') {
            ReadString(t);
        } else if (c == '{') {
            ReadBinary(t);
        } else {
            t.kind = Tok::Symbol;
            t.text = Take();
        }
        return t;
    }

private:
    FormPosition Here() const { return {source_, line_, column_}; }

    char Take() {
        char c = text_[pos_++];
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        return c;
    }

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                Take();
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    Take();
            } else {
                break;
            }
        }
    }

    void ReadNumber(Token& t) {
        bool negative = false;
        if (text_[pos_] == '-' || text_[pos_] == '+')
            negative = Take() == '-';
        if (pos_ < text_.size() && text_[pos_] == '$') {
            Take();
            uint64_t value = 0;
            int digits = 0;
            while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) {
                value = value * 16 + uint64_t(HexDigit(Take()));
                if (++digits > 8)
                    throw FormError(t.position, "Number out of range");
            }
            if (digits == 0)
                throw FormError(t.position, "Hexadecimal digits expected after '$'");
            t.kind = Tok::Integer;
            t.integer = negative ? -int64_t(value) : int64_t(value);
            return;
        }
        std::string spelling = negative ? "-" : "";
        bool isFloat = false;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            spelling += Take();
        if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
            isFloat = true;
            spelling += Take();
            while (pos_ < text_.size() && IsDigit(text_[pos_]))
                spelling += Take();
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            isFloat = true;
            spelling += Take();
            if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+'))
                spelling += Take();
            if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
                throw FormError(t.position, "Malformed number");
            while (pos_ < text_.size() && IsDigit(text_[pos_]))
                spelling += Take();
        }
        if (pos_ < text_.size() && IsIdentChar(text_[pos_]))
            throw FormError(t.position, "Malformed number");
        t.text = spelling;
        if (isFloat) {
            t.kind = Tok::Float;
            t.number = std::strtod(spelling.c_str(), nullptr);
            return;
        }
        t.kind = Tok::Integer;
        // Eighteen digits always fit; longer spellings are checked against the range.
        size_t digits = spelling.size() - (negative ? 1 : 0);
        if (digits > 18)
            throw FormError(t.position, "Number out of range");
        t.integer = std::strtoll(spelling.c_str(), nullptr, 10);
        if (t.integer < INT32_MIN || t.integer > int64_t(UINT32_MAX))
            throw FormError(t.position, "Number out of range");
    }

    // 'quoted' parts and #code parts, written next to each other, are one string.
    void ReadString(Token& t) {
        t.kind = Tok::String;
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\'') {
                Take();
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
                        throw FormError(t.position, "Unterminated string");
                    char d = Take();
                    if (d == '\'') {
                        if (pos_ < text_.size() && text_[pos_] == '\'') {
                            Take();
                            t.text += '\'';
                            continue;
                        }
                        break;
                    }
                    t.text += d;
                }
            } else if (c == '#') {
                FormPosition at = Here();
                Take();
                uint32_t code = 0;
                int digits = 0;
                if (pos_ < text_.size() && text_[pos_] == '$') {
                    Take();
                    while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0 && digits < 7) {
                        code = code * 16 + uint32_t(HexDigit(Take()));
                        ++digits;
                    }
                } else {
                    while (pos_ < text_.size() && IsDigit(text_[pos_]) && digits < 8) {
                        code = code * 10 + uint32_t(Take() - '0');
                        ++digits;
                    }
                }
                if (digits == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                    throw FormError(at, "Invalid character code");
                AppendUtf8(t.text, code);
            } else {
                break;
            }
        }
    }

    void ReadBinary(Token& t) {
        t.kind = Tok::Binary;
        Take(); // {
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (pos_ >= text_.size())
                throw FormError(t.position, "Unterminated binary data");
            FormPosition at = Here();
            char c = Take();
            if (c == '}')
                break;
            int digit = HexDigit(c);
            if (digit < 0)
                throw FormError(at, "Hexadecimal digit expected in binary data");
            if (high < 0) {
                high = digit;
            } else {
                t.bytes.push_back(uint8_t(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0)
            throw FormError(t.position, "Odd number of digits in binary data");
    }

    std::string_view text_;
    std::string source_;
    size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
};

class Parser {
public:
    Parser(std::string_view text, const std::string& source) : lexer_(text, source) { Advance(); }

    FormObject ParseRoot() {
        FormObject root = ParseObject();
        if (current_.kind != Tok::End)
            throw FormError(current_.position, "Text after the end of the form: " + Describe());
        return root;
    }

private:
    void Advance() { current_ = lexer_.Next(); }

    std::string Describe() const {
        switch (current_.kind) {
        case Tok::End:
            return "end of text";
        case Tok::String:
            return "a string";
        case Tok::Binary:
            return "binary data";
        default:
            return "'" + current_.text + "'";
        }
    }

    [[noreturn]] void Unexpected(const std::string& expected) const {
        throw FormError(current_.position, "Expected " + expected + " but found " + Describe());
    }

    bool AtSymbol(const char* symbol) const {
        return current_.kind == Tok::Symbol && current_.text == symbol;
    }
    bool AtWord(const char* word) const {
        return current_.kind == Tok::Ident && current_.text == word;
    }
    bool AtObjectStart() const {
        return AtWord("object") || AtWord("inherited") || AtWord("inline");
    }

    void ExpectSymbol(const char* symbol) {
        if (!AtSymbol(symbol))
            Unexpected(std::string("'") + symbol + "'");
        Advance();
    }

    // "end" closes a block, so it is never a name or a value.
    bool AtName() const { return current_.kind == Tok::Ident && current_.text != "end"; }

    std::string ExpectIdent(const char* what) {
        if (!AtName())
            Unexpected(what);
        std::string name = current_.text;
        Advance();
        return name;
    }

    FormObject ParseObject() {
        FormObject object;
        object.position = current_.position;
        if (!AtObjectStart())
            Unexpected("'object'");
        Advance();
        std::string first = ExpectIdent("a name or class");
        if (AtSymbol(":")) {
            Advance();
            object.name = first;
            object.className = ExpectIdent("a class name");
        } else {
            object.className = first;
        }
        while (!AtWord("end")) {
            if (AtObjectStart()) {
                object.children.push_back(ParseObject());
            } else if (AtName()) {
                if (!object.children.empty())
                    throw FormError(current_.position,
                                    "Property '" + current_.text + "' after a nested object");
                object.properties.push_back(ParseProperty());
            } else {
                Unexpected("a property, 'object' or 'end'");
            }
        }
        Advance();
        return object;
    }

    std::string ParseDottedName() {
        std::string name = ExpectIdent("a name");
        while (AtSymbol(".")) {
            Advance();
            name += '.';
            name += ExpectIdent("a name after '.'");
        }
        return name;
    }

    FormProperty ParseProperty() {
        FormProperty property;
        property.position = current_.position;
        property.name = ParseDottedName();
        ExpectSymbol("=");
        property.value = ParseValue();
        return property;
    }

    FormValue ParseValue() {
        FormValue value;
        value.position = current_.position;
        switch (current_.kind) {
        case Tok::Integer:
            value.kind = FormValue::Kind::Integer;
            value.integer = current_.integer;
            Advance();
            return value;
        case Tok::Float:
            value.kind = FormValue::Kind::Float;
            value.number = current_.number;
            Advance();
            return value;
        case Tok::String:
            value.kind = FormValue::Kind::String;
            value.text = current_.text;
            Advance();
            while (AtSymbol("+")) {
                Advance();
                if (current_.kind != Tok::String)
                    Unexpected("a string after '+'");
                value.text += current_.text;
                Advance();
            }
            return value;
        case Tok::Ident:
            if (!AtName())
                break;
            value.kind = FormValue::Kind::Identifier;
            value.text = ParseDottedName();
            return value;
        case Tok::Binary:
            value.kind = FormValue::Kind::Binary;
            value.bytes = current_.bytes;
            Advance();
            return value;
        case Tok::Symbol:
            if (AtSymbol("["))
                return ParseSet(value);
            if (AtSymbol("("))
                return ParseList(value);
            if (AtSymbol("<"))
                return ParseItems(value);
            break;
        case Tok::End:
            break;
        }
        Unexpected("a value");
    }

    FormValue ParseSet(FormValue& value) {
        value.kind = FormValue::Kind::Set;
        Advance();
        if (AtSymbol("]")) {
            Advance();
            return value;
        }
        for (;;) {
            value.names.push_back(ExpectIdent("a set element"));
            if (AtSymbol("]")) {
                Advance();
                return value;
            }
            ExpectSymbol(",");
        }
    }

    FormValue ParseList(FormValue& value) {
        value.kind = FormValue::Kind::List;
        Advance();
        while (!AtSymbol(")")) {
            if (current_.kind == Tok::End)
                Unexpected("')'");
            value.list.push_back(ParseValue());
        }
        Advance();
        return value;
    }

    FormValue ParseItems(FormValue& value) {
        value.kind = FormValue::Kind::Items;
        Advance();
        while (!AtSymbol(">")) {
            FormItem item;
            item.position = current_.position;
            if (!AtWord("item"))
                Unexpected("'item' or '>'");
            Advance();
            while (!AtWord("end")) {
                if (current_.kind != Tok::Ident)
                    Unexpected("a property or 'end'");
                item.properties.push_back(ParseProperty());
            }
            Advance();
            value.items.push_back(std::move(item));
        }
        Advance();
        return value;
    }

    Lexer lexer_;
    Token current_;
};

} // namespace

FormObject ParseForm(std::string_view text, const std::string& source) {
    return Parser(text, source).ParseRoot();
}
