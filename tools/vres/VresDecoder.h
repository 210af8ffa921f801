// Reads a binary VRES tree back into records, for the dump command.
#pragma once

#include <cstdint>
#include <vector>

#include "VresModel.h"

namespace vres {

// window: the top record reads the window fields (false: a view tree).
// A record whose bytes its class's fields do not reproduce exactly comes back
// raw, with its argument bytes as they are, so that dump and compile give the
// same bytes again. Throws Error for a damaged tree.
Record Decode(const std::vector<uint8_t>& data, bool window);

} // namespace vres
