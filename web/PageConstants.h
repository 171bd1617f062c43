#pragma once
#include <string>

namespace web {

// The module of every number and text the page's script shares with the core (see
// PageConstants.cpp): what the build writes as the page's constants.js.
std::string pageConstants();

}  // namespace web
