// XGError.h is included before the guard: it pulls in the whole family in dependency order.
#include "foundation/XGError.h"
#ifndef XGASSERT_H
#define XGASSERT_H
#include <cstdint>

// Throws the "Assertion Failure" posted error (EMSG 128, entry 1) with the condition's
// source text, the source file name without extension and the line. Never returns; the
// 16-bit result only lets it stand inside expressions.
[[noreturn]] int16_t _InlineError(const char* condition, const char* file, int32_t line);

// Consistency check that stays active in the shipped program. The file name and line are
// part of the message the user sees, so they are given, not taken from __FILE__/__LINE__:
//     XG_ASSERT((index >= 0) && (index < fLength), "XGArray", 90);
// The condition text is the source spelling, unexpanded (RegisterClassEx stays as written).
#define XG_ASSERT(cond, file, line) ((cond) ? (void)0 : (void)_InlineError(#cond, file, line))

#endif
