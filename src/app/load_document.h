// Reading a document into the program: from its file, or from text already read.
#pragma once

#include <string>
#include <string_view>

namespace tova {

struct Program;

// Reads the document at `path`: once the file is open, the pending lines are cleared and the
// editing state reset; the four document tables are replaced only when the whole document has
// been read. False when the file cannot be opened or does not hold a whole document, and then
// the document tables are as they were.
[[nodiscard]] bool LoadDocument(Program& program, const std::string& path);

// The same for a document already read from its file.
[[nodiscard]] bool ReadDocumentText(Program& program, std::string_view text);

}  // namespace tova
