// Components: owners destroying what they own, and removal notifications.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/Component.h"

namespace zelkova {
namespace {

// A component that remembers what it was told was removed.
class Watcher : public Component {
public:
    using Component::Component;
    std::vector<std::string> removed;

protected:
    void Notification(Component* component, Operation operation) override {
        if (operation == Operation::Remove) removed.push_back(component->Name());
    }
};

TEST(Components, OwnersDestroyWhatTheyOwnAndRemovalIsAnnounced) {
    auto owner = std::make_unique<Watcher>(nullptr);
    auto& sibling = Make<Watcher>(*owner);
    auto* doomed = new Watcher(owner.get());
    doomed->SetName("doomed");
    Watcher outsider(nullptr);
    outsider.FreeNotification(doomed);
    delete doomed;
    const std::vector<std::string> justDoomed{"doomed"};
    EXPECT_EQ(owner->removed, justDoomed);
    EXPECT_EQ(sibling.removed, justDoomed);
    EXPECT_EQ(outsider.removed, justDoomed);
    EXPECT_EQ(owner->Components().size(), 1u);

    // Free notification works both ways and ends when either side goes.
    auto* other = new Watcher(nullptr);
    other->SetName("other");
    other->FreeNotification(&outsider);
    delete other;
    EXPECT_EQ(outsider.removed, (std::vector<std::string>{"doomed", "other"}));
    owner.reset();  // deletes sibling; nothing left dangling
}

}  // namespace
}  // namespace zelkova
