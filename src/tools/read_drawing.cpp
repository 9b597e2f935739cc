#include "tools/read_drawing.h"

#include <filesystem>

#include "document/document_file.h"
#include "document/document_format.h"

namespace tova {

DrawingFile ReadDrawing(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return {std::nullopt, path + ": no such file", {}};
  if (!std::filesystem::is_regular_file(status)) return {std::nullopt, path + ": not a regular file", {}};
  const std::optional<std::string> text = ReadFilePrefix(path, kMaxDocumentBytes);
  if (!text) return {std::nullopt, path + ": cannot be read", {}};
  DocumentReading read = ReadDocument(*text);
  if (!read.tables) return {std::nullopt, path + ": not a Tova drawing, or a damaged one (" + read.reason + ")", *text};
  return {std::move(read.tables), {}, *text};
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

}  // namespace tova
