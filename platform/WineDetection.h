#pragma once

namespace zelkova {

// Whether this process runs under Wine rather than on Windows: Wine's ntdll exports
// wine_get_version, Windows' does not. Found out once, on the first call.
bool RunsUnderWine();

}  // namespace zelkova
