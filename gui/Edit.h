// A single-line edit box: the system's EDIT control.
#pragma once

#include "gui/WinControl.h"

namespace zelkova {

class Edit : public WinControl {
public:
    explicit Edit(Component* owner);

    std::string_view ClassName() const override { return "TEdit"; }
    const PropertyTable& PublishedProperties() const override;

    // 0 is no limit of our own.
    void SetMaxLength(int length);

    // Runs whenever the text changes, by typing or from code.
    NotifyEvent OnChange;
    void SetOnChange(NotifyEvent handler) { OnChange = std::move(handler); }

protected:
    void CreateParams(struct CreateParams& params) override;
    void HandleCreated() override;
    bool CommandNotification(UINT code) override;
    void TextChanged() override;

private:
    int maxLength_ = 0;
};

}  // namespace zelkova
