#pragma once
// The maker's web site, in the visitor's language where the site has one.

#include <optional>
#include <string>

namespace ostrel {

// The base address, a build setting (OSTREL_WEB_ADDRESS).
std::string makerWebBase();

// The page for a language index: French, German, Spanish and Italian get
// their own ("/fr", "/de", "/es", "/it"); English, Nederlands and Portuguese
// the base address; a language outside 0..6 none.
std::optional<std::string> makerWebAddress(int language);

}  // namespace ostrel
