// Commands: an action has an execute handler and, where its availability depends on state, an
// update handler that sets Enabled. Buttons and menu items bound to an action take its caption
// and enabled state whenever they change, and execute it when clicked.
#pragma once

#include <string>
#include <vector>

#include "gui/Component.h"
#include "gui/Events.h"
#include "gui/Properties.h"

namespace zelkova {

class ActionList;
class ImageList;

class Action : public Component {
public:
    explicit Action(Component* owner);
    ~Action() override;

    std::string_view ClassName() const override { return "TAction"; }
    const PropertyTable& PublishedProperties() const override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void SetHint(std::string hint);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    ActionList* GetActionList() const { return actionList_; }
    void SetActionList(ActionList* list);

    NotifyEvent OnExecute;
    NotifyEvent OnUpdate;
    void SetOnExecute(NotifyEvent handler) { OnExecute = std::move(handler); }
    void SetOnUpdate(NotifyEvent handler) { OnUpdate = std::move(handler); }

    // Runs the update handler; true when there is one.
    bool Update();
    // Updates first, so the enabling rule is current; then, if enabled, runs the execute
    // handler. True when it ran.
    bool Execute();

    // Objects bound to the action; they are told of every change.
    void AddClient(Component* client);
    void RemoveClient(Component* client);

protected:
    void Notification(Component* component, Operation operation) override;

private:
    void Changed();

    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    int imageIndex_ = -1;
    ActionList* actionList_ = nullptr;
    std::vector<Component*> clients_;
};

class ActionList : public Component {
public:
    explicit ActionList(Component* owner);
    ~ActionList() override;

    std::string_view ClassName() const override { return "TActionList"; }

    ImageList* Images() const { return images_; }
    void SetImages(ImageList* images);

    // Runs every action's update handler.
    void UpdateActions();

protected:
    void Notification(Component* component, Operation operation) override;

private:
    friend class Action;
    std::vector<Action*> actions_;
    ImageList* images_ = nullptr;
};

}  // namespace zelkova
