#pragma once

#include <string>

namespace zelkova {

// The system clipboard, plain 8-bit text only. GetText and SetText raise std::runtime_error
// "Cannot open clipboard" when another program holds the clipboard open.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // True when the clipboard offers text; does not open the clipboard.
    virtual bool HasText() const = 0;
    // The text up to its terminating zero; empty when the clipboard holds none.
    virtual std::string GetText() = 0;
    // Replaces the whole clipboard contents with the text.
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace zelkova
