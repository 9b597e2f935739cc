// libFuzzer entry: any bytes given to the document reader.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/document_reader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (const auto fault = tova::testing::CheckDocumentReader(input)) {
    std::fprintf(stderr, "document reader: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
