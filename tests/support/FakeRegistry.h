#pragma once

#include "base/AsciiText.h"
#include "jump/RegistryProbe.h"

#include <map>
#include <set>
#include <string>

namespace zelkova::testing {

// A registry of keys and values per root, where some keys refuse full access. Paths compare
// in any letter case, as the registry does. Counts probes made and released.
class FakeRegistry : public RegistryAccess {
public:
    void AddKey(PredefinedKey root, const std::string& path) { keys_[root].insert(Fold(path)); }
    void AddValue(PredefinedKey root, const std::string& key, const std::string& name) {
        AddKey(root, key);
        values_[root].insert(Fold(key) + '\n' + Fold(name));
    }
    void DenyFullAccess(PredefinedKey root, const std::string& key) { denied_[root].insert(Fold(key)); }

    std::unique_ptr<RegistryProbe> MakeProbe(PredefinedKey root) override;

    int ProbesMade = 0;
    int ProbesReleased = 0;
    int KeysOpen = 0;  // current keys held by live probes

private:
    class Probe;
    static std::string Fold(const std::string& s) { return AsciiUpperCase(s); }
    bool HasKey(PredefinedKey root, std::string_view path) const {
        return path.empty() || (keys_.count(root) && keys_.at(root).count(Fold(std::string(path))));
    }
    std::map<PredefinedKey, std::set<std::string>> keys_, values_, denied_;
};

}  // namespace zelkova::testing
