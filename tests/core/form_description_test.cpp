#include "core/form_description.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TKind = TFormValue::TKind;

// `levels` objects, each inside the one before.
std::string NestedObjects(int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i)
        text += "object O" + std::to_string(i) + ": TPanel\n";
    for (int i = 0; i < levels; ++i)
        text += "end\n";
    return text;
}

// A root object holding `levels` collections, each in an item of the one
// before.
std::string NestedCollections(int levels) {
    std::string text = "object Root: TForm\n";
    for (int i = 0; i < levels; ++i)
        text += "Columns = < item\n";
    for (int i = 0; i < levels; ++i)
        text += "end >\n";
    return text + "end\n";
}

// The message of the error the text is refused with.
std::string Refusal(const std::string& text) {
    try {
        ParseFormDescription(text);
    } catch (const EFormReadError& e) {
        return e.what();
    }
    return "accepted";
}

} // namespace

TEST(FormDescription, ParsesObjectsPropertiesAndValuesInStoredOrder) {
    const TFormObject root = ParseFormDescription("\xEF\xBB\xBF"
                                                  "object Main: TMainForm\n"
                                                  "  Caption = 'It''s ' + #20320#22909 +\n"
                                                  "    ' 窗'#55356#57144\n"
                                                  "  Left = -12\n"
                                                  "  object Panel: TGroupBox // a comment\n"
                                                  "  END\n"
                                                  "  Color = clBtnFace\n"
                                                  "  Font.Style = [fsBold, 3]\n"
                                                  "  Mask = $FFFFFFFF\n"
                                                  "  Picture.Data = {42 4d\n  0A}\n"
                                                  "  Columns = <\n"
                                                  "    item\n"
                                                  "      Width = 42\n"
                                                  "    end\n"
                                                  "    ITEM end>\n"
                                                  "end\n");
    EXPECT_EQ(root.Name, "Main");
    EXPECT_EQ(root.ClassName, "TMainForm");
    ASSERT_EQ(root.Properties.size(), 7u);
    const auto& caption = root.Properties[0];
    EXPECT_EQ(caption.Name, "Caption");
    EXPECT_EQ(caption.Value.Kind, TKind::String);
    EXPECT_EQ(caption.Value.Text, u"It's 你好 窗🌸");
    EXPECT_EQ(root.Properties[1].Value.Number, -12);
    EXPECT_EQ(root.Properties[1].Line, 4);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].ClassName, "TGroupBox");
    EXPECT_EQ(root.Children[0].Line, 5);
    EXPECT_EQ(root.Children[0].PropertiesBefore, 2u);
    EXPECT_EQ(root.Properties[2].Value.Kind, TKind::Ident);
    EXPECT_EQ(root.Properties[2].Value.Ident, "clBtnFace");
    const auto& style = root.Properties[3].Value;
    ASSERT_EQ(style.Kind, TKind::Set);
    ASSERT_EQ(style.Elements.size(), 2u);
    EXPECT_EQ(style.Elements[0].Ident, "fsBold");
    EXPECT_EQ(style.Elements[1].Number, 3);
    EXPECT_EQ(root.Properties[4].Value.Number, 0xFFFFFFFFll);
    EXPECT_EQ(root.Properties[5].Name, "Picture.Data");
    EXPECT_EQ(root.Properties[5].Value.Bytes, (std::vector<std::uint8_t>{0x42, 0x4D, 0x0A}));
    const auto& columns = root.Properties[6].Value;
    ASSERT_EQ(columns.Kind, TKind::Collection);
    ASSERT_EQ(columns.Items.size(), 2u);
    ASSERT_EQ(columns.Items[0].Properties.size(), 1u);
    EXPECT_EQ(columns.Items[0].Properties[0].Value.Number, 42);
    EXPECT_EQ(columns.Items[0].Properties[0].Line, 14);
    EXPECT_TRUE(columns.Items[1].Properties.empty());
}

TEST(FormDescription, NestingDeeperThanTheLimitIsRefusedNotOverflowed) {
    EXPECT_EQ(Refusal(NestedObjects(kMaxFormNesting)), "accepted");
    EXPECT_EQ(Refusal(NestedCollections(kMaxFormNesting - 1)), "accepted");
    const std::string tooDeep = "form description, line 33: nested deeper than 32 levels";
    EXPECT_EQ(Refusal(NestedObjects(kMaxFormNesting + 1)), tooDeep);
    EXPECT_EQ(Refusal(NestedCollections(kMaxFormNesting)), tooDeep);
    // Far beyond what the stack could hold one call per level.
    EXPECT_EQ(Refusal(NestedObjects(100000)), tooDeep);
    EXPECT_EQ(Refusal(NestedCollections(100000)), tooDeep);
}

TEST(FormDescription, BadTextIsRefusedNamingTheLine) {
    const struct {
        std::string Text;
        std::string Message;
    } cases[] = {
        {"object A: T\n  B = '\xC0\xAF'\nend\n", "form description is not UTF-8"},
        {"object A: T\n  B = 'open\nend\n", "line 2: unterminated string"},
        {"object A: T\n  B = #70000\nend\n", "line 2: bad character code"},
        {"object A: T\n  B = #\nend\n", "line 2: bad character code"},
        {"object A: T\n  B = $100000000\nend\n", "line 2: number too large"},
        {"object A: T\n  B = -4294967296\nend\n", "line 2: number too large"},
        {"object A: T\n  B = $\nend\n", "line 2: number expected"},
        {"object A: T\n  B = {\n 4}\nend\n", "line 3: odd number of hex digits"},
        {"object A: T\n  B = {4G}\nend\n", "line 2: bad hex digit"},
        {"object A: T\n  B = {00", "line 2: unterminated binary value"},
        {"object A: T\n  B = =\nend\n", "line 2: value expected for B"},
        {"object A: T\n  B = [x, 'y']\nend\n", "line 2: value expected for B"},
        {"object A: T\n  B = [x y]\nend\n", "line 2: ',' expected"},
        {"object A: T\n  B = < x end>\nend\n", "line 2: 'item' expected"},
        {"object A: T\n  B 1\nend\n", "line 2: '=' expected"},
        {"object A T\nend\n", "line 1: ':' expected"},
        {"thing A: T\nend\n", "line 1: 'object' expected"},
        {"object 窗: T\nend\n", "line 1: identifier expected"},
        {"object A: T\n  B = 1\n", "line 2: 'end' expected"},
        {"object A: T\nend\nend\n", "line 3: text after the root object"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::string message = Refusal(c.Text);
        EXPECT_NE(message.find(c.Message), std::string::npos) << message;
    }
}
