#pragma once
// The compact binary form in which the project file keeps an element's geometry. Decoding
// checks every length and value against the bytes there are, so a damaged blob gives false,
// never a read past its end or an absurd allocation.

#include "platform/cad/ElementGeometry.h"

#include <cstdint>
#include <vector>

namespace zt::cad::storage {

std::vector<std::uint8_t> EncodeGeometry(const ElementGeometry& geometry);
bool DecodeGeometry(const std::uint8_t* bytes, std::size_t size, ElementGeometry& geometry);

} // namespace zt::cad::storage
