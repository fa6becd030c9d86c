#include "support/FakeRegistry.h"

namespace zelkova::testing {

class FakeRegistry::Probe : public RegistryProbe {
public:
    Probe(FakeRegistry& registry, PredefinedKey root) : registry_(registry), root_(root) {
        ++registry_.ProbesMade;
    }
    ~Probe() override {
        if (open_) --registry_.KeysOpen;
        ++registry_.ProbesReleased;
    }
    bool KeyExists(std::string_view path) override {
        return registry_.HasKey(root_, WithoutLeadingBackslash(path));
    }
    bool OpenKey(std::string_view path) override {
        const std::string key(WithoutLeadingBackslash(path));
        if (!registry_.HasKey(root_, key) || registry_.denied_[root_].count(Fold(key))) return false;
        if (!open_) ++registry_.KeysOpen;
        open_ = true;
        current_ = key;
        return true;
    }
    bool ValueExists(std::string_view name) override {
        return open_ && registry_.values_[root_].count(Fold(current_) + '\n' + Fold(std::string(name)));
    }

private:
    FakeRegistry& registry_;
    PredefinedKey root_;
    bool open_ = false;
    std::string current_;
};

std::unique_ptr<RegistryProbe> FakeRegistry::MakeProbe(PredefinedKey root) {
    return std::make_unique<Probe>(*this, root);
}

}  // namespace zelkova::testing
