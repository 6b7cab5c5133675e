#include "toolkit/FormLoader.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

class TTestRoot : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::string> log;
    int tag = 0;

protected:
    void Loaded() override { log.push_back(Name() + " loaded"); }
};

using TProbeEvent = std::function<void(class TProbe& Sender, int Value)>;

// A component that writes down what the loader does to it, and when.
class TProbe : public TComponent {
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) { Log("made"); }

    void SetCount(int count) {
        count_ = count;
        Log("Count=" + std::to_string(count) + (Loading() ? " loading" : ""));
    }
    int Count() const { return count_; }
    struct Title {
        std::string caption;
        TColor color = 0;
    };
    Title& AxisTitle() { return title_; }
    void SetOnClick(TNotifyEvent handler) { onClick = std::move(handler); }
    void SetOnProbe(TProbeEvent handler) { onProbe = std::move(handler); }

    TNotifyEvent onClick;
    TProbeEvent onProbe;
    std::vector<TProbe*> nested;
    std::string failAtEnd; // the error its end-of-loading step raises

protected:
    void Loaded() override {
        Log("loaded, Count=" + std::to_string(count_));
        if (!failAtEnd.empty())
            throw Exception(failAtEnd);
    }

private:
    void Log(const std::string& what) {
        static_cast<TTestRoot*>(Owner())->log.push_back(Name() + ": " + what);
    }
    int count_ = 0;
    Title title_;
};

// A second class that nothing may be nested into.
class TLeaf : public TComponent {
public:
    using TComponent::TComponent;
    std::string text;
};

FormClasses TestClasses() {
    FormClasses classes;
    classes.Abstract<TTestRoot>("TTestRoot").Property("Tag", [](TTestRoot& r, const FormValue& v) {
        r.tag = v.AsInt();
    });
    classes.Abstract<TProbe>("TProbeBase").Property("Count", [](TProbe& p, const FormValue& v) {
        p.SetCount(v.AsInt());
    });
    classes.Class<TProbe>("TProbe", "TProbeBase")
        .Property("Axis.Title.Caption",
                  [](TProbe& p, const FormValue& v) { p.AxisTitle().caption = v.AsString(); })
        .Property("Axis.Title.Color",
                  [](TProbe& p, const FormValue& v) { p.AxisTitle().color = v.AsColor(); })
        .Property("FailAtEnd", [](TProbe& p, const FormValue& v) { p.failAtEnd = v.AsString(); })
        .Property("Fussy",
                  [](TProbe&, const FormValue& v) {
                      if (v.AsInt() < 0)
                          throw Exception("must not be negative");
                  })
        .Event("OnClick", &TProbe::SetOnClick)
        .Event("OnProbe", &TProbe::SetOnProbe)
        .Nest([](TProbe& container, TComponent& child) {
            auto* probe = dynamic_cast<TProbe*>(&child);
            if (probe)
                container.nested.push_back(probe);
            return probe != nullptr;
        });
    classes.Class<TLeaf>("TLeaf").Property(
        "Text", [](TLeaf& l, const FormValue& v) { l.text = v.AsString(); });
    return classes;
}

struct Loaded {
    TTestRoot root;
    FormClasses classes = TestClasses();
    FormHandlers handlers;

    void Load(const std::string& text) {
        LoadForm(root, classes, handlers, text, "t", "TTestRoot");
    }
    TProbe& Probe(const std::string& name) {
        auto* probe = dynamic_cast<TProbe*>(root.FindComponent(name));
        EXPECT_NE(probe, nullptr) << name;
        return *probe;
    }
    std::string LoadError(const std::string& text) {
        try {
            Load(text);
        } catch (const FormError& e) {
            return e.Message();
        }
        return "no error";
    }
};

} // namespace

TEST(FormLoader, MakesComponentsInFileOrderAppliesPropertiesWhileLoadingThenEndsLoading) {
    Loaded form;
    form.Load(R"(object Root: TTestRoot
  Tag = 5
  object A: TProbe
    Count = 1
    Axis.Title.Caption = 'Keys'
    Axis.Title.Color = clRed
    object B: TProbe
      Count = 2
    end
  end
  object C: TProbe
    Count = 3
  end
  object D: TLeaf
    Text = 'leaf'
  end
end)");
    EXPECT_EQ(form.root.Name(), "Root");
    EXPECT_EQ(form.root.tag, 5);
    EXPECT_EQ(form.root.log,
              (std::vector<std::string>{": made", "A: Count=1 loading", ": made",
                                        "B: Count=2 loading", ": made", "C: Count=3 loading",
                                        "Root loaded", "A: loaded, Count=1", "B: loaded, Count=2",
                                        "C: loaded, Count=3"}));
    TProbe& a = form.Probe("A");
    EXPECT_EQ(a.Owner(), &form.root);
    EXPECT_EQ(form.Probe("B").Owner(), &form.root);
    EXPECT_EQ(a.AxisTitle().caption, "Keys");
    EXPECT_EQ(a.AxisTitle().color, 0x0000FFu);
    EXPECT_EQ(a.nested, (std::vector<TProbe*>{&form.Probe("B")}));
    EXPECT_EQ(dynamic_cast<TLeaf*>(form.root.FindComponent("D"))->text, "leaf");
    for (TComponent* c : form.root.Components())
        EXPECT_FALSE(c->Loading()) << c->Name();
    EXPECT_FALSE(form.root.Loading());
}

TEST(FormLoader, BindsEventsToTheFormsHandlersByName) {
    Loaded form;
    struct Handlers {
        std::vector<std::string> calls;
        void ProbeClick(TComponent& sender) { calls.push_back("click " + sender.Name()); }
    } target;
    form.handlers.Add("ProbeClick", &target, &Handlers::ProbeClick);
    form.handlers.Add<void(TProbe&, int)>("ProbeProbe", [&](TProbe& sender, int value) {
        target.calls.push_back("probe " + sender.Name() + " " + std::to_string(value));
    });
    // A handler taking any component serves an event whose Sender is a TProbe.
    form.handlers.Add<void(TComponent&, int)>("AnyProbe", [&](TComponent& sender, int value) {
        target.calls.push_back("any " + sender.Name() + " " + std::to_string(value));
    });
    form.Load(R"(object Root: TTestRoot
  object A: TProbe
    OnClick = ProbeClick
    OnProbe = ProbeProbe
  end
  object B: TProbe
    OnProbe = AnyProbe
  end
end)");
    TProbe& a = form.Probe("A");
    TProbe& b = form.Probe("B");
    a.onClick(a);
    a.onProbe(a, 7);
    b.onProbe(b, 8);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"click A", "probe A 7", "any B 8"}));
}

TEST(FormLoader, ReportsWhatAndWhereForBadDescriptions) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"object R: TTestRoot\n  object A: TNothing\n  end\nend", "t(2:3): Unknown class TNothing"},
        {"object R: TTestRoot\n  object A: TProbeBase\n  end\nend",
         "t(2:3): Class TProbeBase cannot be created"},
        {"object R: TTestRoot\n  object A: TProbe\n    Colour = 1\n  end\nend",
         "t(3:5): Unknown property Colour of TProbe"},
        {"object R: TTestRoot\n  object A: TProbe\n    Axis.Title = 1\n  end\nend",
         "t(3:5): Unknown property Axis.Title of TProbe"},
        {"object R: TTestRoot\n  object A: TProbe\n    Count = 'x'\n  end\nend",
         "t(3:13): Expected an integer, found a string"},
        {"object R: TTestRoot\n  object A: TProbe\n    Fussy = -1\n  end\nend",
         "t(3:13): Fussy: must not be negative"},
        {"object R: TTestRoot\n  object A: TProbe\n    OnClick = Missing\n  end\nend",
         "t(3:15): Unknown event handler 'Missing'"},
        {"object R: TTestRoot\n  object A: TProbe\n    OnClick = Wrong\n  end\nend",
         "t(3:15): Event handler 'Wrong' does not fit the event"},
        {"object R: TTestRoot\n  object A: TProbe\n    OnClick = 'Wrong'\n  end\nend",
         "t(3:15): Expected an identifier, found a string"},
        {"object R: TTestRoot\n  object A: TProbe\n  end\n  object A: TProbe\n  end\nend",
         "t(4:3): A component named A already exists"},
        {"object R: TTestRoot\n  object A: TLeaf\n    object B: TProbe\n    end\n  end\nend",
         "t(3:5): TProbe cannot be placed in TLeaf"},
        {"object R: TTestRoot\n  object A: TProbe\n    object B: TLeaf\n    end\n  end\nend",
         "t(3:5): TLeaf cannot be placed in TProbe"},
        {"object R: TTestRoot\n  Nope = 1\nend", "t(2:3): Unknown property Nope of TTestRoot"},
    };
    for (const Case& c : cases) {
        Loaded form;
        form.handlers.Add<void(int)>("Wrong", [](int) {});
        EXPECT_EQ(form.LoadError(c.text), c.message) << c.text;
        // Whatever was made before the error belongs to the form and is done loading.
        for (TComponent* component : form.root.Components())
            EXPECT_FALSE(component->Loading());
        EXPECT_FALSE(form.root.Loading());
    }
}

TEST(FormLoader, ComponentsMadeBeforeAnErrorStayWithTheForm) {
    Loaded form;
    EXPECT_NE(form.LoadError("object R: TTestRoot\n  object A: TProbe\n    Count = 4\n  end\n"
                             "  object B: TProbe\n    Count = x\n  end\nend"),
              "no error");
    ASSERT_EQ(form.root.Components().size(), 2u);
    EXPECT_EQ(form.Probe("A").Count(), 4);
    EXPECT_EQ(form.root.log.back(), "B: loaded, Count=0");
}

// An end-of-loading step that fails stops none of the others; the first
// failure is reported once every component has left the loading state. An
// error of the description itself comes before any of them.
TEST(FormLoader, ReportsTheFirstFailedEndOfLoadingAfterAllComponentsFinished) {
    struct Case {
        const char* name;
        std::string text;
        std::string error;
    } cases[] = {
        {"two fail", R"(object R: TTestRoot
  object A: TProbe
    FailAtEnd = 'A cannot start'
  end
  object B: TProbe
    Count = 2
  end
  object C: TProbe
    FailAtEnd = 'C cannot start'
  end
end)",
         "A cannot start"},
        {"the description fails too", R"(object R: TTestRoot
  object A: TProbe
    FailAtEnd = 'A cannot start'
  end
  object B: TProbe
    Fussy = -1
  end
end)",
         "t(6:13): Fussy: must not be negative"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded form;
        std::string error = "no error";
        try {
            form.Load(c.text);
        } catch (const Exception& e) {
            error = e.Message();
        }
        EXPECT_EQ(error, c.error);
        for (TComponent* component : form.root.Components())
            EXPECT_FALSE(component->Loading()) << component->Name();
        EXPECT_FALSE(form.root.Loading());
        // Every end-of-loading step ran, the failed ones too.
        for (TComponent* component : form.root.Components()) {
            const std::string loaded = component->Name() + ": loaded, ";
            EXPECT_EQ(
                std::count_if(form.root.log.begin(), form.root.log.end(),
                              [&](const std::string& line) { return line.rfind(loaded, 0) == 0; }),
                1)
                << component->Name();
        }
    }
}

TEST(FormLoader, ReadsFormDescriptionsFromTheExecutablesResources) {
    Loaded form;
    LoadFormResource(form.root, form.classes, form.handlers, L"TESTFORM", "TTestRoot");
    EXPECT_EQ(form.root.Name(), "ResourceForm");
    EXPECT_EQ(form.Probe("FromResource").Count(), 12);
    EXPECT_EQ(form.Probe("FromResource").AxisTitle().caption, "R\xC3\xA4tsel");

    try {
        (void)ReadFormResource(L"NOSUCHFORM");
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Resource NOSUCHFORM not found");
    }
}
