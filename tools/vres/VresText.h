// The readable text form of VRES trees (see README.md in this folder).
#pragma once

#include <string>

#include "VresModel.h"

namespace vres {

// Parses one tree; Error carries "line N: ..." for mistakes in the text.
Record Parse(const std::string& text);

// Writes a tree in the form Parse reads.
std::string Print(const Record& top);

} // namespace vres
