// Part of a form description built without the rest: what the chart demo,
// the tests and the benchmarks do with the main window's charts.
#include "toolkit/ControlClasses.h"
#include "toolkit/FormLoader.h"
#include "toolkit/StdControls.h"

#include <gtest/gtest.h>

namespace {
constexpr char kWindow[] = R"(object frmWindow: TfrmWindow
  Caption = 'Whole window'
  OnCreate = FormCreate
  object btnOne: TButton
    Caption = 'One'
    OnClick = btnOneClick
  end
  object pnlTwo: TStaticText
    Caption = 'Two'
    object btnInner: TButton
      Caption = 'Inner'
      OnClick = btnInnerClick
    end
  end
  object btnThree: TButton
    Caption = 'Three'
  end
end
)";

class TPartsRoot : public TComponent {
public:
    using TComponent::TComponent;
};

FormClasses Classes() {
    FormClasses classes;
    RegisterControlClasses(classes);
    classes.Abstract<TPartsRoot>("TPartsRoot");
    return classes;
}
} // namespace

TEST(LoadFormObjects, BuildsTheNamedObjectsWithWhatTheyHoldAndNothingElse) {
    TPartsRoot root;
    int innerClicks = 0;
    FormHandlers handlers;
    handlers.LeaveMissingUnbound();
    handlers.Add<void(TComponent&)>("btnInnerClick", [&](TComponent&) { ++innerClicks; });
    LoadFormObjects(root, Classes(), handlers, kWindow, "window", {"pnlTwo", "btnThree"},
                    "TPartsRoot");
    EXPECT_EQ(root.FindComponent("btnOne"), nullptr);
    auto* two = dynamic_cast<TStaticText*>(root.FindComponent("pnlTwo"));
    auto* inner = dynamic_cast<TButton*>(root.FindComponent("btnInner"));
    auto* three = dynamic_cast<TButton*>(root.FindComponent("btnThree"));
    ASSERT_TRUE(two && inner && three);
    EXPECT_EQ(two->Caption(), "Two");
    EXPECT_EQ(inner->Parent(), two);
    EXPECT_EQ(three->Caption(), "Three");
    inner->Click();
    EXPECT_EQ(innerClicks, 1);
}

TEST(LoadFormObjects, ANameTheDescriptionLacksIsAnError) {
    TPartsRoot root;
    FormHandlers handlers;
    handlers.LeaveMissingUnbound();
    try {
        LoadFormObjects(root, Classes(), handlers, kWindow, "window", {"btnOne", "btnFour"},
                        "TPartsRoot");
        FAIL() << "no error";
    } catch (const FormError& error) {
        EXPECT_STREQ(error.what(), "window(1:1): frmWindow has no object btnFour");
    }
}

// Loading the whole form still insists on every handler it names: only a
// set made to leave them unbound lets an event go without one.
TEST(LoadFormObjects, AMissingHandlerIsAnErrorUnlessTheSetLeavesItUnbound) {
    TPartsRoot strictRoot;
    EXPECT_THROW(LoadFormObjects(strictRoot, Classes(), FormHandlers(), kWindow, "window",
                                 {"btnOne"}, "TPartsRoot"),
                 FormError);
    TPartsRoot root;
    FormHandlers handlers;
    handlers.LeaveMissingUnbound();
    LoadFormObjects(root, Classes(), handlers, kWindow, "window", {"btnOne"}, "TPartsRoot");
    auto* one = dynamic_cast<TButton*>(root.FindComponent("btnOne"));
    ASSERT_TRUE(one);
    one->Click(); // unbound: nothing runs, nothing fails
}
