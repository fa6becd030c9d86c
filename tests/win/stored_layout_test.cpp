// Windows built from rows of data: what each row makes, in which order its values arrive, and
// which rows are refused.
#include <gtest/gtest.h>

#include "gui/Action.h"
#include "gui/Label.h"
#include "gui/Menu.h"
#include "gui/Panel.h"
#include "gui/StoredLayout.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;

// Records the order its two published properties are set in.
class Ordered : public Component {
public:
    using Component::Component;
    std::vector<std::string> log;
    void SetLevel(int) { log.push_back("Level"); }
    void SetFlag(bool) { log.push_back("Flag"); }
    const PropertyTable& PublishedProperties() const override {
        static const PropertyTable table(
            Component::PublishedProperties(),
            {{"Level", Setter(&Ordered::SetLevel)}, {"Flag", Setter(&Ordered::SetFlag)}});
        return table;
    }
};

const LayoutClass kClasses[] = {
    {"TActionList", MakeComponent<ActionList>}, {"TAction", MakeComponent<Action>},
    {"TPopupMenu", MakeComponent<PopupMenu>},   {"TMenuItem", MakeComponent<MenuItem>},
    {"TPanel", MakeComponent<Panel>},           {"TLabel", MakeComponent<Label>},
    {"Ordered", MakeComponent<Ordered>},
};

class StoredLayout : public ::testing::Test {
protected:
    StoredLayout() { form.SetName("form"); }

    std::vector<Component*> Build(const std::vector<LayoutRow>& rows) {
        return BuildLayout(form, rows, {kClasses, named});
    }

    TestForm form;
    std::vector<std::string> ran;
    const std::vector<NamedValue> named{
        {"run", NotifyEvent([this](Component*) { ran.push_back("run"); })},
        {"click", NotifyEvent([this](Component*) { ran.push_back("click"); })},
    };
};

TEST_F(StoredLayout, MakesEachRowInItsContainerWithReferencesAndHandlersFoundByName) {
    const auto made = Build({
        {"TActionList", "list", "", {}},
        {"TAction", "act", "list", {{"OnExecute", Named("run")}}},
        {"TPopupMenu", "menu", "", {}},
        {"TMenuItem", "item", "menu", {{"Action", Ref("act")}}},
        {"TPanel", "panel", "form", {}},
        {"TLabel", "label", "panel", {{"PopupMenu", Ref("menu")}, {"OnClick", Named("click")}}},
    });
    ASSERT_EQ(made.size(), 6u);
    auto& list = FindOwned<ActionList>(form, "list");
    auto& act = FindOwned<Action>(form, "act");
    auto& menu = FindOwned<PopupMenu>(form, "menu");
    auto& label = FindOwned<Label>(form, "label");
    EXPECT_EQ(made[0], &list);
    EXPECT_EQ(made[5], &label);
    EXPECT_EQ(act.GetActionList(), &list);
    ASSERT_EQ(menu.Items().size(), 1u);
    EXPECT_EQ(menu.Items()[0]->GetAction(), &act);
    EXPECT_EQ(label.Parent(), &FindOwned<Panel>(form, "panel"));
    EXPECT_EQ(label.GetPopupMenu(), &menu);
    menu.Items()[0]->Click();
    label.Click();
    EXPECT_EQ(ran, (std::vector<std::string>{"run", "click"}));
}

TEST_F(StoredLayout, ARowOfTheOwnersOwnClassStandsForTheOwner) {
    const std::size_t before = form.Components().size();
    const auto made =
        Build({{"TForm", "window", "", {{"Caption", "Stored"}, {"ClientWidth", 240}}}});
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0], &form);
    EXPECT_EQ(form.Components().size(), before);
    EXPECT_EQ(form.Name(), "window");
    EXPECT_EQ(form.Text(), "Stored");
    form.Show();
    EXPECT_EQ(form.ClientRect().Width(), 240);
    form.Hide();
}

TEST_F(StoredLayout, AppliesARowsValuesInThePublishedOrderWhateverOrderTheRowGives) {
    Build({{"Ordered", "ordered", "", {{"Flag", true}, {"Level", 3}}}});
    EXPECT_EQ(FindOwned<Ordered>(form, "ordered").log, (std::vector<std::string>{"Level", "Flag"}));
}

TEST_F(StoredLayout, ALabelOfFixedSizeKeepsItsBoundsWhenItsCaptionArrives) {
    Build({{"TLabel",
            "fixed",
            "form",
            {{"Caption", "a caption far wider than the label"},
             {"AutoSize", false},
             {"Left", 5},
             {"Top", 6},
             {"Width", 20},
             {"Height", 13}}}});
    EXPECT_EQ(FindOwned<Label>(form, "fixed").BoundsRect(), (Rect{5, 6, 25, 19}));
}

TEST_F(StoredLayout, RefusesAWrongRowNamingItAndLeavesNothingOfIt) {
    const std::pair<LayoutRow, std::string> wrong[] = {
        {{"TButton", "b", "form", {}}, "Layout row b: unknown class TButton"},
        {{"TLabel", "l", "form", {{"Colour", 1}}}, "Layout row l: TLabel has no property Colour"},
        {{"TLabel", "l", "form", {{"PopupMenu", Ref("nowhere")}}},
         "Layout row l: no component named nowhere"},
        {{"TLabel", "l", "form", {{"OnClick", Named("nothing")}}},
         "Layout row l: no value named nothing"},
        {{"TLabel", "l", "nowhere", {}}, "Layout row l: no container named nowhere"},
        {{"TMenuItem", "i", "form", {}}, "Layout row i: TForm cannot hold a TMenuItem"},
    };
    for (const auto& [row, message] : wrong) {
        const std::size_t before = form.Components().size();
        try {
            Build({row});
            ADD_FAILURE() << "accepted: " << message;
        } catch (const PropertyError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
        EXPECT_EQ(form.Components().size(), before) << message;
    }
}

}  // namespace
}  // namespace zelkova
