#include "converters/ov2_reader.h"

#include <cstdio>
#include <cstring>

namespace rovex::converters {

namespace {

constexpr std::size_t kHeaderSize = 5;
constexpr std::size_t kSkipperSize = 21;
constexpr std::size_t kPoiFixedSize = 13;  // header and the two coordinates

int32_t ReadInt32(std::string_view bytes, std::size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return static_cast<int32_t>(v);
}

// The NUL-terminated text at *at within [*at, end), moving *at past its NUL.
std::string TakeString(std::string_view bytes, std::size_t* at, std::size_t end, std::size_t limit) {
  std::size_t start = *at;
  const void* nul = start < end ? std::memchr(bytes.data() + start, '\0', end - start) : nullptr;
  std::size_t stop = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()) : end;
  *at = nul ? stop + 1 : end;
  std::size_t n = stop - start;
  return std::string(bytes.substr(start, n < limit ? n : limit));
}

std::string OffsetError(const char* what, uint64_t offset, long long value) {
  char text[160];
  std::snprintf(text, sizeof text, what, static_cast<unsigned long long>(offset), value);
  return text;
}

}  // namespace

Ov2ReadSummary ReadOv2(std::string_view bytes, const std::function<bool(const Ov2Record&)>& onRecord) {
  Ov2ReadSummary summary;
  std::size_t pos = 0;
  auto fail = [&](std::string text) {
    summary.ok = false;
    summary.error = std::move(text);
    return summary;
  };
  while (pos < bytes.size()) {
    int type = static_cast<unsigned char>(bytes[pos]);
    if (type > 3) break;
    std::size_t left = bytes.size() - pos;
    if (left < kHeaderSize) {
      return fail(OffsetError("Error: the OV2 record at offset %llu is cut off by the end of the file.", pos, 0));
    }
    int32_t length = ReadInt32(bytes, pos + 1);
    if (type == 1) {
      if (left < kSkipperSize) {
        return fail(OffsetError("Error: the OV2 record at offset %llu is cut off by the end of the file.", pos, 0));
      }
      pos += kSkipperSize;
      continue;
    }
    std::size_t least = type == 0 ? kHeaderSize : kPoiFixedSize + 1;
    if (length < static_cast<int32_t>(least)) {
      return fail(OffsetError("Error: the OV2 record at offset %llu has the impossible length %lld.", pos, length));
    }
    if (static_cast<std::size_t>(length) > left) {
      return fail(OffsetError("Error: the OV2 record at offset %llu of length %lld runs past the end of the file.",
                              pos, length));
    }
    std::size_t end = pos + static_cast<std::size_t>(length);
    if (type != 0) {
      Ov2Record record;
      record.type = type;
      record.offset = pos;
      int32_t rawLongitude = ReadInt32(bytes, pos + 5);
      int32_t rawLatitude = ReadInt32(bytes, pos + 9);
      record.longitude = static_cast<float>(rawLongitude / 100000.0);
      record.latitude = static_cast<float>(rawLatitude / 100000.0);
      std::size_t at = pos + kPoiFixedSize;
      record.name = TakeString(bytes, &at, end, kMaxOv2Name);
      if (type == 3) {
        record.second = TakeString(bytes, &at, end, kMaxOv2Name);
        record.third = TakeString(bytes, &at, end, kMaxOv2Name);
      }
      if (rawLatitude < -9000000 || rawLatitude > 9000000 || rawLongitude < -18000000 || rawLongitude > 18000000) {
        ++summary.outOfRange;
      } else {
        ++summary.records;
        if (!onRecord(record)) {
          summary.cancelled = true;
          return summary;
        }
      }
    }
    pos = end;
  }
  return summary;
}

bool LooksLikeOv2(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return false;
  int type = static_cast<unsigned char>(bytes[0]);
  if (type > 3) return false;
  if (type == 1) return bytes.size() >= kSkipperSize;
  int32_t length = ReadInt32(bytes, 1);
  std::size_t least = type == 0 ? kHeaderSize : kPoiFixedSize + 1;
  return length >= static_cast<int32_t>(least) && static_cast<std::size_t>(length) <= bytes.size();
}

}  // namespace rovex::converters
