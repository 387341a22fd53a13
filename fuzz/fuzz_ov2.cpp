// The OV2 reader: any bytes must read without a fault or an endless loop,
// every record handed on lies inside the file, and every line made from a
// record keeps its eight fields.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converters/camera_csv_line.h"
#include "converters/ov2_reader.h"
#include "converters/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  rovex::converters::ReadOv2(bytes, [&](const rovex::converters::Ov2Record& record) {
    if (record.offset >= size) std::abort();
    if (record.name.size() > rovex::converters::kMaxOv2Name) std::abort();
    std::string field = rovex::converters::FieldText(rovex::converters::ToUtf8(record.name));
    if (field.find(',') != std::string::npos || field.find('\n') != std::string::npos) std::abort();
    if (!rovex::converters::IsValidUtf8(field)) std::abort();
    return true;
  });
  rovex::converters::LooksLikeOv2(bytes);
  return 0;
}
