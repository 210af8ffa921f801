// Whole-file reading and the safe save of a document: the new bytes go to a
// temporary file in the document's own folder, which replaces the old file
// only once it is complete on disk. A failure leaves the old file as it was
// and names its cause in words.
#pragma once

#include <string>

#include "NTEncoding.h"
#include "NTTextFile.h"
#include "foundation/XGHandle.h"

class NTDiskFile {
public:
    NTDiskFile() = delete;

    // Paths are UTF-8, any character allowed.
    //
    // False with the cause set when the file cannot be read whole; a file the
    // text engine cannot hold is refused before its bytes are read, one too
    // large for the memory left when its block cannot be had.
    static bool Read(const char* path, XGHandle& bytes, std::string& cause);
    // A file read as the text engine's UTF-8 text, its encoding detected
    // and its line ends decoded; a UTF-8 file is decoded where it was read,
    // so that it costs its size once. `lineEnd` and `encoding` get the
    // file's own. A file whose text holds a zero character is refused.
    static bool ReadText(const char* path, XGHandle& text, NTTextFile::LineEnd& lineEnd,
                         NTEncoding::Kind& encoding, std::string& cause);

    enum Encoded { kEncoded, kNotHeld, kRefused };
    // The bytes of the engine's text in a file's line ends and encoding.
    // kNotHeld when the encoding (the ANSI code page) has no exact form for
    // a character; kRefused, with the cause, for a text that ReadText would
    // refuse to open again.
    static Encoded EncodeText(const std::string& text, NTTextFile::LineEnd lineEnd, NTEncoding::Kind encoding,
                              std::string& bytes, std::string& cause);
    // False with the cause set when the bytes could not be written, or when
    // they are more than Read would take; the file at path is then
    // untouched and no temporary file is left behind. A save that succeeds
    // also removes, from the same folder, the temporaries of its own naming
    // that a save killed before it finished left there (those untouched for
    // ten minutes).
    static bool Write(const char* path, const std::string& bytes, std::string& cause);

    // The full path of a name relative to the current folder; empty when it
    // cannot be made.
    static std::string FullPath(const char* path);
    // The last part of a path.
    static const char* FileName(const char* path);
    // The system's words for an error number, without the final period.
    static std::string SystemMessage(unsigned long error);
};
