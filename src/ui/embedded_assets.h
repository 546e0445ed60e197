#pragma once
// Pictures and fonts built into the program.
#include <span>
#include <string>

namespace cw {

// The bytes of an embedded file by its name (e.g. "picMenu.jpg"); throws std::out_of_range when unknown.
std::span<const unsigned char> EmbeddedAsset(const std::string& name);

}  // namespace cw
