// Any bytes as key text, typed or pasted, against a registry whose answers follow from the
// path's bytes. Resolution ends in one outcome, hands over only names that stand in the text,
// and releases every probe and key it opened.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "jump/KeyResolution.h"
#include "jump/RootKeys.h"

using namespace zelkova;

namespace {

int probesAlive = 0;
int keysOpen = 0;

// Enough variety to reach every branch: some keys exist, some refuse full access, some values.
class ByteProbe : public RegistryProbe {
public:
    ByteProbe() { ++probesAlive; }
    ~ByteProbe() override {
        --probesAlive;
        if (open_) --keysOpen;
    }
    bool KeyExists(std::string_view path) override {
        return WithoutLeadingBackslash(path).size() % 2 == 0;
    }
    bool OpenKey(std::string_view path) override {
        if (!KeyExists(path) || path.size() % 3 == 0) return false;
        if (!open_) ++keysOpen;
        open_ = true;
        return true;
    }
    bool ValueExists(std::string_view name) override {
        if (!open_) std::abort();  // asked only after a successful OpenKey
        return !name.empty() && (name.front() & 1);
    }

private:
    bool open_ = false;
};

class ByteRegistry : public RegistryAccess {
public:
    std::unique_ptr<RegistryProbe> MakeProbe(PredefinedKey) override {
        return std::make_unique<ByteProbe>();
    }
};

bool IsFullRootName(const std::string& name) {
    for (const RootKey& root : kRootKeys)
        if (name == root.FullName) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ByteRegistry registry;
    const ResolveResult result = ClassifyKeyText(text, registry);
    if (probesAlive != 0 || keysOpen != 0) std::abort();

    if (result.Outcome != ResolveOutcome::Jump) {
        if (result.Request) std::abort();
        return 0;
    }
    if (!result.Request || !LooksLikeKeyText(text)) std::abort();
    const KeyJumpRequest& request = *result.Request;
    if (!IsFullRootName(request.RootName)) std::abort();
    if (text.find(request.KeyPath) == std::string::npos) std::abort();
    if (text.find(request.ValueName) == std::string::npos) std::abort();
    return 0;
}
