// The jump's "key not found" message as the application shows it: through the application's
// message box, so that every other window of the program is disabled while it is open and the
// focus comes back where it was.
#pragma once

#include "jump/KeyResolution.h"

namespace zelkova {

class ApplicationFailureNotifier : public FailureNotifier {
public:
    void ShowKeyNotFound() override;
};

}  // namespace zelkova
