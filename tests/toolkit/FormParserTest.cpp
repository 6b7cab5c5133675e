#include "toolkit/FormParser.h"

#include <gtest/gtest.h>

namespace {
FormValue ValueOf(const std::string& valueText) {
    FormObject root = ParseForm("object f: TForm\n  P = " + valueText + "\nend\n", "t");
    EXPECT_EQ(root.properties.size(), 1u);
    return root.properties.at(0).value;
}
} // namespace

TEST(FormParser, ReadsObjectsNestedObjectsAndDottedNamesInFileOrder) {
    FormObject root = ParseForm(R"(object frmMain: TfrmMain
  Caption = 'Tallyvane'
  LeftAxis.Title.Caption = 'Keys'
  object TreeView: TTreeView
    Align = alLeft
  end
  object TMenuItemOnly
  end
end
)",
                                "main");
    EXPECT_EQ(root.name, "frmMain");
    EXPECT_EQ(root.className, "TfrmMain");
    ASSERT_EQ(root.properties.size(), 2u);
    EXPECT_EQ(root.properties[0].name, "Caption");
    EXPECT_EQ(root.properties[1].name, "LeftAxis.Title.Caption");
    EXPECT_EQ(root.properties[1].position.line, 3);
    EXPECT_EQ(root.properties[1].position.column, 3);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "TreeView");
    EXPECT_EQ(root.children[0].properties.at(0).value.text, "alLeft");
    EXPECT_EQ(root.children[1].name, "");
    EXPECT_EQ(root.children[1].className, "TMenuItemOnly");
}

TEST(FormParser, ReadsEveryKindOfValue) {
    using K = FormValue::Kind;
    struct Case {
        const char* text;
        K kind;
        int64_t integer;
        double number;
        const char* string;
    } cases[] = {
        {"42", K::Integer, 42, 0, ""},
        {"-7", K::Integer, -7, 0, ""},
        {"+7", K::Integer, 7, 0, ""},
        {"$00FF00", K::Integer, 0xFF00, 0, ""},
        {"4294967295", K::Integer, 4294967295LL, 0, ""},
        {"-2147483648", K::Integer, -2147483648LL, 0, ""},
        {"1.5", K::Float, 0, 1.5, ""},
        {"-2.5E3", K::Float, 0, -2500, ""},
        {"1440.000000000000000000", K::Float, 0, 1440, ""},
        {"'Tallyvane'", K::String, 0, 0, "Tallyvane"},
        {"''", K::String, 0, 0, ""},
        {"'it''s'", K::String, 0, 0, "it's"},
        {"'a'#39'b'", K::String, 0, 0, "a'b"},
        {"#13#10", K::String, 0, 0, "\r\n"},
        {"#$41'x'", K::String, 0, 0, "Ax"},
        {"#228", K::String, 0, 0, "\xC3\xA4"},
        {"'one ' +\n    'two'", K::String, 0, 0, "one two"},
        {"alClient", K::Identifier, 0, 0, "alClient"},
        {"True", K::Identifier, 0, 0, "True"},
        {"Chart.LeftAxis", K::Identifier, 0, 0, "Chart.LeftAxis"},
    };
    for (const Case& c : cases) {
        FormValue v = ValueOf(c.text);
        EXPECT_EQ(v.kind, c.kind) << c.text;
        if (c.kind == K::Integer) {
            EXPECT_EQ(v.integer, c.integer) << c.text;
        } else if (c.kind == K::Float) {
            EXPECT_DOUBLE_EQ(v.number, c.number) << c.text;
        } else {
            EXPECT_EQ(v.text, c.string) << c.text;
        }
    }
}

TEST(FormParser, ReadsSetsListsItemsAndBinary) {
    FormValue set = ValueOf("[ssShift, ssCtrl]");
    EXPECT_EQ(set.names, (std::vector<std::string>{"ssShift", "ssCtrl"}));
    EXPECT_TRUE(ValueOf("[]").names.empty());

    FormValue list = ValueOf("( 1 'two' three )");
    ASSERT_EQ(list.list.size(), 3u);
    EXPECT_EQ(list.list[1].text, "two");

    FormValue items = ValueOf("<\n item\n  Width = 3\n  Name = 'a'\n end\n item\n end>");
    ASSERT_EQ(items.items.size(), 2u);
    ASSERT_EQ(items.items[0].properties.size(), 2u);
    EXPECT_EQ(items.items[0].properties[1].value.text, "a");
    EXPECT_TRUE(items.items[1].properties.empty());

    FormValue binary = ValueOf("{\n 0A1b\n FF }");
    EXPECT_EQ(binary.bytes, (std::vector<uint8_t>{0x0A, 0x1B, 0xFF}));
}

TEST(FormParser, CommentsAndLineEndsOfEitherKindAreBlank) {
    FormObject root =
        ParseForm("// the form\r\nobject f: TForm // trailing\r\n  A = 1\r\nend\r\n", "t");
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].position.line, 3);
}

TEST(FormParser, RejectsBadTextNamingTheLineAndColumn) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "t(1:1): Expected 'object' but found end of text"},
        {"thing f: TForm\nend", "t(1:1): Expected 'object' but found 'thing'"},
        {"object f: TForm\n  A 1\nend", "t(2:5): Expected '=' but found '1'"},
        {"object f: TForm\n  A = \nend", "t(3:1): Expected a value but found 'end'"},
        {"object f: TForm\n  A = 1\n", "t(3:1): Expected a property, 'object' or 'end' but found "
                                       "end of text"},
        {"object f: TForm\n  A = 'open\nend", "t(2:7): Unterminated string"},
        {"object f: TForm\n  A = [a b]\nend", "t(2:10): Expected ',' but found 'b'"},
        {"object f: TForm\n  A = [a, 1]\nend", "t(2:11): Expected a set element but found '1'"},
        {"object f: TForm\n  A = 12abc\nend", "t(2:7): Malformed number"},
        {"object f: TForm\n  A = 99999999999\nend", "t(2:7): Number out of range"},
        {"object f: TForm\n  A = $123456789\nend", "t(2:7): Number out of range"},
        {"object f: TForm\n  A = #\nend", "t(2:7): Invalid character code"},
        {"object f: TForm\n  A = #1114112\nend", "t(2:7): Invalid character code"},
        {"object f: TForm\n  A = { 0G }\nend",
         "t(2:10): Hexadecimal digit expected in binary data"},
        {"object f: TForm\n  A = { 0 }\nend", "t(2:7): Odd number of digits in binary data"},
        {"object f: TForm\n  A = 'x' + 1\nend",
         "t(2:13): Expected a string after '+' but found '1'"},
        {"object f: TForm\n  A = < x >\nend", "t(2:9): Expected 'item' or '>' but found 'x'"},
        {"object f: TForm\n  A.= 1\nend", "t(2:5): Expected a name after '.' but found '='"},
        {"object f: TForm\n  object g: TX\n  end\n  B = 1\nend",
         "t(4:3): Property 'B' after a nested object"},
        {"object f: TForm\nend\nobject g: TForm\nend", "t(3:1): Text after the end of the form: "
                                                       "'object'"},
        {"object f:\nend", "t(2:1): Expected a class name but found 'end'"},
    };
    for (const Case& c : cases) {
        try {
            (void)ParseForm(c.text, "t");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const FormError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.text;
        }
    }
}

TEST(FormValue, ReadersCheckTheKindAndNameThePosition) {
    FormValue text = ValueOf("'x'");
    EXPECT_THROW((void)text.AsInt(), FormError);
    try {
        (void)text.AsBool();
        ADD_FAILURE();
    } catch (const FormError& e) {
        EXPECT_EQ(e.Message(), "t(2:7): Expected True or False, found a string");
    }
    EXPECT_EQ(ValueOf("clWhite").AsColor(), 0xFFFFFFu);
    EXPECT_EQ(ValueOf("16053486").AsColor(), 16053486u);
    EXPECT_EQ(ValueOf("-16777201").AsColor(), 0xFF00000Fu);
    EXPECT_THROW((void)ValueOf("clPlaid").AsColor(), FormError);
    EXPECT_THROW((void)ValueOf("4294967295").AsInt(), FormError);
    EXPECT_DOUBLE_EQ(ValueOf("3").AsDouble(), 3.0);
    EXPECT_TRUE(ValueOf("true").AsBool());
    enum E { a, b };
    EXPECT_EQ(ValueOf("b").AsEnum<E>({{"a", a}, {"b", b}}), b);
    EXPECT_THROW((void)ValueOf("c").AsEnum<E>({{"a", a}, {"b", b}}), FormError);
    EXPECT_EQ(ValueOf("[x, z]").AsFlags<unsigned>({{"x", 1u}, {"y", 2u}, {"z", 4u}}), 5u);
    EXPECT_THROW((void)ValueOf("[w]").AsFlags<unsigned>({{"x", 1u}}), FormError);
}
