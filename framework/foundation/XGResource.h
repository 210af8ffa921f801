#pragma once
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include "foundation/XGTypes.h"

// Message lookup and the placeholder formatter. Nothing here needs <windows.h>;
// DrawResBitmap, which does, is declared in XGResBitmap.h.

// Copies title and message of an EMSG entry into two 256-byte buffers. False, with the
// buffers untouched, when the resource is missing, the index is out of range or the
// entry runs past the end of the resource.
bool GetResourceMessage(int16_t resID, int16_t index, char* title, char* message);

// The same on the bytes of an EMSG resource already in memory.
bool ReadResourceMessage(const void* data, size_t size, int16_t index, char* title, char* message);

// Length-prefixed string to null-terminated string; dest must hold length + 1 bytes.
char* cvtp2c(char* dest, const void* pstring);

// Placeholder formatter: "#", an optional argument position 1 to 9, and a type letter
// (S string, P length-prefixed string, L signed decimal, X eight hex digits, I
// four-character code). Arguments are XGArg values (LONG_PTR). yformat does not limit its
// output: the destination must be large enough.
void yformat(char* dest, const char* tmpl, ...);
void vyformat(char* dest, const char* tmpl, va_list args);

// The formatter proper, bounded: writes at most size - 1 characters and a terminator,
// cutting the text at the buffer's end. args holds argCount values; a placeholder whose
// argument is not among them shows nothing. Returns the length written.
size_t XGFormat(char* dest, size_t size, const char* tmpl, const XGArg* args, int argCount);

// Number of arguments a template uses: its highest argument position, at most 9.
int XGFormatArgCount(const char* tmpl);
