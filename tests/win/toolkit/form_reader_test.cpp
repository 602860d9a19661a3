// Forms read from their stored text description.
#include "toolkit/button.h"
#include "toolkit/class_registry.h"
#include "toolkit/form.h"
#include "toolkit/form_reader.h"
#include "toolkit/image.h"
#include "toolkit/list_view.h"
#include "toolkit/menus.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::wstring> loadOrder;

class TLoggingButton : public TButton {
    VELMORA_CLASS()
public:
    using TButton::TButton;
    void Loaded() override {
        EXPECT_TRUE(Loading());
        TButton::Loaded();
        loadOrder.push_back(Name());
    }
};

const TClassInfo& TLoggingButton::StaticClass() {
    static const TClassInfo info(L"TLoggingButton", &TButton::StaticClass(), {},
                                 [](TComponent* o) { return new TLoggingButton(o); });
    return info;
}

class TSampleForm : public TForm {
    VELMORA_CLASS()
public:
    using TForm::TForm;
    int clicks = 0;
    std::any MethodAddress(const std::wstring& name) override {
        if (name == L"ButtonClick") return TNotifyEvent([this](TPersistent*) { ++clicks; });
        return {};
    }
};

const TClassInfo& TSampleForm::StaticClass() {
    static const TClassInfo info(L"TSampleForm", &TForm::StaticClass());
    return info;
}

// A 2 x 1 24-bit bitmap: blue, green.
const char* kTinyBmp = "424D3E000000000000003600000028000000020000000100000001001800000000"
                       "000800000000000000000000000000000000000000FF000000FF000000";

std::string Sample() {
    return std::string("object Sample: TSampleForm\n"
                       "  Caption = 'It''s ' + #20320#22909 +\n"
                       "    ' 窗口'\n"
                       "  ClientWidth = 300\n"
                       "  BorderIcons = [biSystemMenu, biMinimize]\n"
                       "  Font.Name = '宋体'\n"
                       "  Font.Height = -12\n"
                       "  Color = clBtnFace\n"
                       "  object Panel: TGroupBox\n"
                       "    Left = 5\n"
                       "    Caption = '组'\n"
                       "    object First: TLoggingButton\n"
                       "      Caption = '一'\n"
                       "      OnClick = ButtonClick\n"
                       "    end\n"
                       "    object Picture: TImage\n"
                       "      // a comment line\n"
                       "      Picture.Data = {\n        ") +
           kTinyBmp +
           "}\n"
           "    end\n"
           "  end\n"
           "  object Second: TLoggingButton\n"
           "    Tag = -7\n"
           "  end\n"
           "  object List: TListView\n"
           "    ViewStyle = vsReport\n"
           "    Columns = <\n"
           "      item\n"
           "        Caption = 'A'\n"
           "        Width = 42\n"
           "      end\n"
           "      item\n"
           "        AutoSize = True\n"
           "      end>\n"
           "  end\n"
           "  object Menu: TPopupMenu\n"
           "    object Item: TMenuItem\n"
           "      Caption = '-'\n"
           "    end\n"
           "  end\n"
           "end\n";
}

} // namespace

TEST(FormReader, CreatesComponentsInStoredOrderAndSetsProperties) {
    RegisterComponentClass(TLoggingButton::StaticClass());
    loadOrder.clear();
    TComponent root(nullptr);
    auto* form = new TSampleForm(&root);
    ReadComponentText(*form, Sample());

    EXPECT_EQ(form->Name(), L"Sample");
    EXPECT_EQ(form->Caption(), L"It's 你好 窗口");
    EXPECT_EQ(form->BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(form->Font()->Name(), L"宋体");
    std::vector<std::wstring> names;
    for (int i = 0; i < form->ComponentCount(); ++i)
        names.push_back(form->Components(i)->Name());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Panel", L"First", L"Picture", L"Second", L"List",
                                                L"Menu", L"Item"}));
    EXPECT_EQ(loadOrder, (std::vector<std::wstring>{L"First", L"Second"}));

    auto* panel = form->Find<TWinControl>(L"Panel");
    auto* first = form->Find<TButton>(L"First");
    ASSERT_TRUE(panel && first);
    EXPECT_EQ(first->Parent(), panel);
    EXPECT_EQ(panel->Parent(), form);
    EXPECT_EQ(panel->Left(), 5);
    EXPECT_EQ(first->GetFont().Name(), L"宋体"); // inherited from the form
    EXPECT_EQ(form->Find<TComponent>(L"Second")->Tag(), -7);

    auto* picture = form->Find<TImage>(L"Picture");
    ASSERT_EQ(picture->Picture()->Width(), 2);
    EXPECT_EQ(picture->Picture()->Pixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(picture->Picture()->Pixel(1, 0), RGB(0, 255, 0));

    auto* list = form->Find<TListView>(L"List");
    ASSERT_EQ(list->Columns()->Count(), 2);
    EXPECT_EQ(list->Columns()->Items(0)->Width(), 42);
    EXPECT_TRUE(list->Columns()->Items(1)->AutoSize());
    auto* menu = form->Find<TPopupMenu>(L"Menu");
    ASSERT_EQ(menu->Items()->Count(), 1);
    EXPECT_TRUE(menu->Items()->Items(0)->IsLine());

    first->Click();
    EXPECT_EQ(form->clicks, 1);
    FreeForm(form);
}

TEST(FormReader, BadDescriptionsNameTheLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"object S: TSampleForm\n  object X: TNoSuchClass\n  end\nend\n", "line 2: unknown class"},
        {"object S: TSampleForm\n  Colour = 1\nend\n", "line 2: unknown property"},
        {"object S: TSampleForm\n  OnCreate = Missing\nend\n", "no handler named Missing"},
        {"object S: TForm\nend\n", "not TSampleForm"},
        {"object S: TSampleForm\n  Caption = 'open\nend\n", "unterminated string"},
        {"object S: TSampleForm\n  Caption = 5\nend\n", "string expected"},
        {"object S: TSampleForm\n  BorderStyle = bsRound\nend\n", "unknown value"},
        {"object S: TSampleForm\n  object B: TImage\n    Picture.Data = {4}\n  end\nend\n",
         "odd number"},
        {"object S: TSampleForm\n", "'end' expected"},
    };
    for (const auto& c : cases) {
        TComponent root(nullptr);
        auto* form = new TSampleForm(&root);
        try {
            ReadComponentText(*form, c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EFormReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << e.what() << " / wanted " << c.message;
        }
        FreeForm(form);
    }
}
