// Published properties: found by name in any case, set by name, applied in published order.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gui/Component.h"
#include "gui/Properties.h"

namespace zelkova {
namespace {

// A component publishing two properties whose order matters.
class Ordered : public Component {
public:
    using Component::Component;
    std::vector<std::string> log;
    int level = 0;
    bool flag = false;
    void SetLevel(int value) { level = value; log.push_back("Level"); }
    void SetFlag(bool value) { flag = value; log.push_back("Flag"); }
    const PropertyTable& PublishedProperties() const override {
        static const PropertyTable table(Component::PublishedProperties(),
                                         {{"Level", Setter(&Ordered::SetLevel)},
                                          {"Flag", Setter(&Ordered::SetFlag)}});
        return table;
    }
};

TEST(PublishedProperties, AreFoundInAnyCaseAndSetByName) {
    Ordered component(nullptr);
    EXPECT_TRUE(HasPublishedProperty(component, "Level"));
    EXPECT_TRUE(HasPublishedProperty(component, "lEVEL"));
    EXPECT_TRUE(HasPublishedProperty(component, "Name"));  // from the base class
    EXPECT_FALSE(HasPublishedProperty(component, "Levels"));
    SetPublishedProperty(component, "level", std::int64_t{7});
    EXPECT_EQ(component.level, 7);
    EXPECT_THROW(SetPublishedProperty(component, "Colour", std::int64_t{1}), PropertyError);
    EXPECT_THROW(SetPublishedProperty(component, "Flag", std::string("yes")), PropertyError);
}

TEST(PublishedProperties, ALayoutAppliesThemInPublishedOrderWhateverOrderItLists) {
    Ordered component(nullptr);
    ApplyLayout(component, {{"Flag", true}, {"Level", std::int64_t{3}}, {"Name", std::string("x")}});
    EXPECT_EQ(component.log, (std::vector<std::string>{"Level", "Flag"}));
    EXPECT_EQ(component.Name(), "x");
    // An unknown name rejects the whole layout before anything is applied.
    component.log.clear();
    EXPECT_THROW(ApplyLayout(component, {{"Level", std::int64_t{1}}, {"Nope", true}}), PropertyError);
    EXPECT_TRUE(component.log.empty());
}

}  // namespace
}  // namespace zelkova
