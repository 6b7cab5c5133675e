#include "chart/AreaSeries.h"
#include "chart/Chart.h"
#include "chart/ChartFormClasses.h"

#include "toolkit/ControlClasses.h"
#include "toolkit/FormLoader.h"

#include <gtest/gtest.h>

namespace {

class TTestForm : public TComponent {
public:
    using TComponent::TComponent;
};

class ChartFormTest : public ::testing::Test {
protected:
    ChartFormTest() {
        RegisterControlClasses(classes);
        RegisterChartClasses(classes);
        classes.Abstract<TTestForm>("TTestForm");
    }

    void Load(const std::string& body) {
        LoadForm(form, classes, handlers, "object frmTest: TTestForm\n" + body + "end\n", "test",
                 "TTestForm");
    }
    template <typename T> T& Get(const char* name) {
        return dynamic_cast<T&>(*form.FindComponent(name));
    }

    FormClasses classes;
    FormHandlers handlers;
    TTestForm form;
};

} // namespace

TEST_F(ChartFormTest, SeriesAttachInsideTheChartOrByParentChart) {
    Load("  object myChart: TChart\n"
         "    object first: TAreaSeries\n"
         "      MultiArea = maStacked\n"
         "    end\n"
         "  end\n"
         "  object second: TLineSeries\n"
         "    ParentChart = myChart\n"
         "    Active = False\n"
         "  end\n");
    TChart& chart = Get<TChart>("myChart");
    ASSERT_EQ(chart.SeriesListCount(), 2);
    EXPECT_EQ(&chart.SeriesAt(0), &Get<TAreaSeries>("first"));
    EXPECT_EQ(Get<TAreaSeries>("first").MultiArea(), maStacked);
    EXPECT_FALSE(chart.SeriesAt(1).Active());
}

TEST_F(ChartFormTest, DottedPropertiesReachTheSubObjects) {
    Load("  object myChart: TChart\n"
         "    Gradient.StartColor = 16053486\n"
         "    Legend.Frame.Color = clGray\n"
         "    LeftAxis.Title.Caption = 'Activity'\n"
         "    LeftAxis.LabelsFont.Name = 'Tahoma'\n"
         "    BottomAxis.Grid.Style = psSolid\n"
         "    BackWall.Brush.Style = bsClear\n"
         "    BottomAxis.Maximum = 31\n"
         "    BottomAxis.Minimum = 1\n"
         "    object s: TLineSeries\n"
         "      Pointer.HorizSize = 3\n"
         "      Pointer.Style = psCircle\n"
         "      LinePen.Width = 3\n"
         "    end\n"
         "  end\n");
    TChart& chart = Get<TChart>("myChart");
    EXPECT_EQ(chart.Gradient().StartColor(), 16053486u);
    EXPECT_EQ(chart.Legend().Frame().Color(), clGray);
    EXPECT_EQ(chart.LeftAxis().Title().Caption(), "Activity");
    EXPECT_EQ(chart.LeftAxis().LabelsFont().Name(), "Tahoma");
    EXPECT_EQ(chart.BottomAxis().Grid().Style(), ChartPenStyle::Solid);
    EXPECT_EQ(chart.BackWall().brush.Style(), ChartBrushStyle::Clear);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 1);
    TLineSeries& s = Get<TLineSeries>("s");
    EXPECT_EQ(s.Pointer().HorizSize(), 3);
    EXPECT_EQ(s.Pointer().Style(), psCircle);
    EXPECT_EQ(s.LinePen().Width(), 3);
}

TEST_F(ChartFormTest, RefusedValuesAndUnknownChartsAreFormErrors) {
    struct {
        const char* body;
        const char* message;
    } cases[] = {
        {"  object c: TChart\n    Legend.ColorWidth = 101\n  end\n",
         "test(3:25): Legend.ColorWidth: Legend Color Width must be between 0 and 100 %"},
        {"  object c: TChart\n    BottomAxis.LabelsAngle = 361\n  end\n",
         "test(3:30): BottomAxis.LabelsAngle: Axis Labels Angle must be between 0 and 359 "
         "degrees"},
        {"  object s: TBarSeries\n    ParentChart = nowhere\n  end\n",
         "test(3:19): Unknown chart 'nowhere'"},
    };
    for (auto c : cases) {
        TTestForm fresh;
        try {
            LoadForm(fresh, classes, handlers,
                     std::string("object frmTest: TTestForm\n") + c.body + "end\n", "test",
                     "TTestForm");
            ADD_FAILURE() << "accepted: " << c.body;
        } catch (const FormError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST_F(ChartFormTest, EventsBindTheFormsHandlersByName) {
    int labels = 0;
    handlers.Add<void(TChartAxis&, TChartSeries*, int, std::string&)>(
        "myChartGetAxisLabel", [&](TChartAxis&, TChartSeries*, int, std::string&) { ++labels; });
    Load("  object myChart: TChart\n"
         "    OnGetAxisLabel = myChartGetAxisLabel\n"
         "  end\n");
    TChart& chart = Get<TChart>("myChart");
    chart.BottomAxis().FormatAxisLabel(5);
    EXPECT_EQ(labels, 1);
}
