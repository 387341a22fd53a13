#include "converters/hgt_contours.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "converters/converter_files.h"
#include "converters/gpx_frame.h"
#include "converters/input_file.h"
#include "trackeditor/height_tile.h"
#include "converters/output_file.h"
#include "platform/c_format.h"

namespace rovex::converters {

namespace {

// The number at the start of text (digits only), saturating instead of overflowing.
long LeadingNumber(std::string_view text) {
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    if (value < 100000000L) value = value * 10 + (c - '0');
  }
  return value;
}

long FloorDiv(long a, long b) {
  long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// Collects the written text and hands it to the sink in large pieces.
class Writer {
 public:
  explicit Writer(const HgtSink& sink) : m_sink(sink) { m_buffer.reserve(kChunk + 256); }

  bool Put(const char* text, int length) {
    if (m_failed) return false;
    if (length > 0) m_buffer.append(text, static_cast<size_t>(length));
    if (m_buffer.size() >= kChunk) return Flush();
    return true;
  }
  bool Put(std::string_view text) { return Put(text.data(), static_cast<int>(text.size())); }

  bool Flush() {
    if (m_failed) return false;
    if (!m_buffer.empty() && !m_sink(m_buffer)) m_failed = true;
    m_buffer.clear();
    return !m_failed;
  }
  bool Failed() const { return m_failed; }

 private:
  static constexpr size_t kChunk = 1 << 16;
  const HgtSink& m_sink;
  std::string m_buffer;
  bool m_failed = false;
};

// The eight neighbours in the order they are examined: north-west, north,
// north-east, west, east, south-west, south, south-east.
constexpr int kRowStep[8] = {-1, -1, -1, 0, 0, 1, 1, 1};
constexpr int kColStep[8] = {-1, 0, 1, -1, 1, -1, 0, 1};

class ContourWalk {
 public:
  ContourWalk(const HgtGrid& grid, const HgtContourParams& params, Writer& out)
      : m_grid(grid),
        m_params(params),
        m_out(out),
        m_erased(grid.heights.size(), 0),
        m_visited(grid.heights.size(), 0) {
    // The lowest and highest height of each short run of a row: a level
    // whose band misses a run has nothing to erase or start from in it, and
    // most of a tile lies far from any one level.
    const int side = m_grid.side;
    m_blocksPerRow = (side + kBlock - 1) / kBlock;
    m_blockLow.resize(static_cast<size_t>(side) * m_blocksPerRow);
    m_blockHigh.resize(m_blockLow.size());
    for (int i = 0; i < side; ++i) {
      for (int b = 0; b < m_blocksPerRow; ++b) {
        int16_t low = INT16_MAX;
        int16_t high = INT16_MIN;
        for (int j = b * kBlock; j < side && j < (b + 1) * kBlock; ++j) {
          low = std::min(low, m_grid.heights[Index(i, j)]);
          high = std::max(high, m_grid.heights[Index(i, j)]);
        }
        m_blockLow[static_cast<size_t>(i) * m_blocksPerRow + b] = low;
        m_blockHigh[static_cast<size_t>(i) * m_blocksPerRow + b] = high;
      }
    }
  }

  // Step 1 for one level.
  void EraseFlatSpace(int level, long* erased) {
    const int side = m_grid.side;
    const long r = m_params.contourRange - 1 < 0 ? 0 : m_params.contourRange - 1;
    const long e = m_params.eraseRange;
    for (int i = 0; i < side; ++i) {
      for (int j = 0; j < side; ++j) {
        if (j % kBlock == 0 && !BlockMeets(i, j / kBlock, level, r)) {
          j += kBlock - 1;
          continue;
        }
        size_t cell = Index(i, j);
        long h = m_grid.heights[cell];
        if (m_erased[cell] || !(level - r < h && h < level + r)) continue;
        bool keep = false;
        for (int k = 0; k < 8 && !keep; ++k) {
          int ni = i + kRowStep[k];
          int nj = j + kColStep[k];
          if (!Inside(ni, nj)) continue;
          size_t n = Index(ni, nj);
          if (!m_erased[n] && std::labs(m_grid.heights[n] - level) > e) keep = true;
        }
        if (!keep) {
          m_erased[cell] = 1;
          ++*erased;
        }
      }
    }
  }

  // Step 2 for one level; false when a write failed.
  bool Contours(int level, long* segments) {
    const int side = m_grid.side;
    const long r = Range();
    for (int i = 0; i < side; ++i) {
      for (int j = 0; j < side; ++j) {
        // A trace from a cell outside the band ends before it marks anything.
        if (j % kBlock == 0 && !BlockMeets(i, j / kBlock, level, r)) {
          j += kBlock - 1;
          continue;
        }
        if (!Trace(level, i, j, segments)) return false;
      }
    }
    return true;
  }

 private:
  struct Pos {
    int i;
    int j;
  };

  static constexpr int kBlock = 32;

  // Whether any height of the run holds L - r < h < L + r.
  bool BlockMeets(int i, int block, long level, long r) const {
    const size_t b = static_cast<size_t>(i) * m_blocksPerRow + block;
    return m_blockHigh[b] > level - r && m_blockLow[b] < level + r;
  }

  size_t Index(int i, int j) const { return static_cast<size_t>(i) * static_cast<size_t>(m_grid.side) + j; }
  bool Inside(int i, int j) const { return i >= 0 && j >= 0 && i < m_grid.side && j < m_grid.side; }
  long Range() const { return m_params.contourRange < 0 ? 5 : m_params.contourRange; }
  // Neither erased nor visited: still a height.
  bool Free(size_t cell) const { return !m_erased[cell] && !m_visited[cell]; }

  bool Trace(int level, int startI, int startJ, long* segments) {
    const long r = Range();
    Pos history[4];
    int count = 0;
    bool open = false;
    bool fromHistory = false;
    Pos pos{startI, startJ};
    for (;;) {
      size_t cell = Index(pos.i, pos.j);
      if (!fromHistory) {
        long h = m_grid.heights[cell];
        if (!Free(cell) || !(level - r < h && h < level + r)) break;
        if (count == 4) {
          for (int k = 0; k < 3; ++k) history[k] = history[k + 1];
          count = 3;
        }
        history[count++] = pos;
      }
      fromHistory = false;
      m_visited[cell] = 1;
      int best = -1;
      long bestDistance = 0;
      for (int k = 0; k < 8; ++k) {
        int ni = pos.i + kRowStep[k];
        int nj = pos.j + kColStep[k];
        if (!Inside(ni, nj)) continue;
        size_t n = Index(ni, nj);
        if (!Free(n)) continue;
        long distance = std::labs(m_grid.heights[n] - level);
        if (distance < r && (best < 0 || distance < bestDistance)) {
          best = k;
          bestDistance = distance;
        }
      }
      if (best < 0) {
        if (count == 0) break;
        pos = history[--count];
        fromHistory = true;
        continue;
      }
      if (!open) {
        open = true;
        ++*segments;
        char head[96];
        int n = std::snprintf(head, sizeof head, "<trk>\n<name>GPX%.hd-%.ld</name>\n<trkseg>\n",
                              static_cast<short>(level), *segments);
        if (!m_out.Put(head, n) || !Point(level, pos)) return false;
      }
      pos = Pos{pos.i + kRowStep[best], pos.j + kColStep[best]};
      if (!Point(level, pos)) return false;
    }
    if (open && !m_out.Put("</trkseg>\n</trk>\n")) return false;
    return true;
  }

  bool Point(int level, Pos pos) {
    const double span = m_grid.side > 1 ? m_grid.side - 1 : 1;
    double latitude = m_grid.origin.latitude + (span - pos.i) / span;
    double longitude = m_grid.origin.longitude + pos.j / span;
    // What "<trkpt lat=\"%.6f\" lon=\"%.6f\">\n  <ele>%1.1hd</ele>\n..." prints, without
    // printf's cost: a tile writes hundreds of thousands of points.
    m_point.assign("<trkpt lat=\"");
    m_point += FormatFixed(latitude, 6);
    m_point += "\" lon=\"";
    m_point += FormatFixed(longitude, 6);
    m_point += "\">\n  <ele>";
    m_point += std::to_string(static_cast<short>(level));
    m_point += "</ele>\n<time>2008-01-01T01:00:00Z</time>\n</trkpt>\n";
    return m_out.Put(m_point);
  }

  const HgtGrid& m_grid;
  const HgtContourParams& m_params;
  Writer& m_out;
  std::vector<uint8_t> m_erased;
  std::vector<uint8_t> m_visited;
  int m_blocksPerRow = 0;
  std::vector<int16_t> m_blockLow;
  std::vector<int16_t> m_blockHigh;
  std::string m_point;
};

}  // namespace

HgtOrigin HgtOriginFromPath(const std::string& path) {
  HgtOrigin origin;
  std::string_view name(path);
  if (name.size() > 11) name.remove_prefix(name.size() - 11);
  size_t split = name.find_first_of("EW", 1);
  if (name.empty() || split == std::string_view::npos) return origin;
  long latitude = LeadingNumber(name.substr(1, split - 1));
  long longitude = LeadingNumber(name.substr(split + 1));
  origin.latitude = static_cast<double>(name[0] == 'S' ? -latitude : latitude);
  origin.longitude = static_cast<double>(name[split] == 'W' ? -longitude : longitude);
  return origin;
}

bool ParseHgtTile(std::string_view bytes, HgtGrid* grid) {
  if (bytes.size() != kHgtFileBytes) return false;
  // The shading reads the same samples as unsigned; the walk needs their signed meaning.
  const std::vector<int32_t> samples = trackeditor::ReadBigEndianSamples(bytes, trackeditor::kHeightTileCells);
  grid->side = kHgtSide;
  grid->heights.resize(samples.size());
  for (size_t k = 0; k < samples.size(); ++k) {
    grid->heights[k] = static_cast<int16_t>(static_cast<uint16_t>(samples[k]));
  }
  return true;
}

HgtHeightRange HgtRange(const std::vector<int16_t>& heights) {
  HgtHeightRange range;
  for (int16_t h : heights) {
    if (h > 32000) continue;
    if (h > range.maximum) range.maximum = h;
    if (h > -200 && h < range.minimum) range.minimum = h;
  }
  return range;
}

std::vector<int> HgtLevels(const HgtHeightRange& range, int step) {
  const long s = step < 1 ? 20 : step;
  std::vector<int> levels;
  const long top = FloorDiv(range.maximum, s) * s;
  for (long level = FloorDiv(range.minimum, s) * s; level < top; level += s) levels.push_back(static_cast<int>(level));
  return levels;
}

HgtContourStats WriteHgtContours(const HgtGrid& grid, const HgtContourParams& params, const HgtSink& sink,
                                 const ProgressFunction& progress) {
  HgtContourStats stats;
  if (grid.side <= 0 || grid.heights.size() != static_cast<size_t>(grid.side) * static_cast<size_t>(grid.side)) {
    return stats;
  }
  const std::vector<int> levels = HgtLevels(HgtRange(grid.heights), params.step);
  const uint64_t total = 2 * static_cast<uint64_t>(levels.size());
  uint64_t done = 0;
  Writer out(sink);
  ContourWalk walk(grid, params, out);
  stats.erasing = params.eraseRange >= 1;
  for (int level : levels) {
    if (stats.erasing) walk.EraseFlatSpace(level, &stats.erased);
    if (progress && !progress(++done, total)) {
      stats.stopped = true;
      return stats;
    }
  }
  done = levels.size();
  for (int level : levels) {
    if (!walk.Contours(level, &stats.segments) || (progress && !progress(++done, total))) {
      stats.stopped = true;
      return stats;
    }
  }
  if (!out.Flush()) stats.stopped = true;
  return stats;
}

ConverterResult ConvertHgtToGpx(const HgtToGpxOptions& options) {
  ConverterResult result;
  if (options.source.empty()) {
    result.Error("Please choose a source file.");
    return result;
  }
  if (options.destination.empty()) {
    result.Error("Please select an output GPX track file.");
    return result;
  }
  if (SameFile(options.source, options.destination)) {
    result.Error("The source and destination file names can not be the same.");
    return result;
  }
  HgtGrid grid;
  {
    InputFile input(options.source);
    if (!input) {
      result.Error(CantOpenSourceMessage(options.source));
      return result;
    }
    // Never more than one tile and a byte is read, whatever the file's size.
    std::string bytes(kHgtFileBytes + 1, '\0');
    size_t got = std::fread(bytes.data(), 1, bytes.size(), input.get());
    if (std::ferror(input.get())) {
      result.Error(CantOpenSourceMessage(options.source));
      return result;
    }
    bytes.resize(got);
    if (!ParseHgtTile(bytes, &grid)) {
      result.Error("Error the source file is not an SRTM 3 arc-second tile (2,884,802 bytes)\n" + options.source);
      return result;
    }
  }
  grid.origin = HgtOriginFromPath(options.source);

  OutputFile out;
  if (!out.Open(options.destination, OutputFile::Mode::Replace)) {
    result.Error(CantOpenDestinationMessage(options.destination));
    return result;
  }
  bool cancelled = false;
  ProgressFunction progress;
  if (options.progress) {
    progress = [&](uint64_t done, uint64_t total) {
      if (!options.progress(done, total)) cancelled = true;
      return !cancelled;
    };
  }
  out.Write(GpxHeader());
  out.Write("<time>2008-00-00T01:01:07Z</time>\n");
  HgtContourStats stats = WriteHgtContours(
      grid, options.params, [&out](std::string_view text) { return out.Write(text); }, progress);
  if (cancelled) {
    out.Abandon();
    result.Error(kCancelledMessage);
    return result;
  }
  out.Write(kGpxFooter);
  if (stats.stopped || out.Failed() || !out.Commit()) {
    out.Abandon();
    result.Error(kGpxWriteErrorMessage);
    return result;
  }
  char text[160];
  if (stats.erasing) {
    std::snprintf(text, sizeof text, "Step 1 of 2.\n\nErasedCount %ld", stats.erased);
    result.Info(text);
  }
  std::snprintf(text, sizeof text, "Step 2 of 2.\n\nWrote %.ld track segments.\n\nContour extraction is complete.",
                stats.segments);
  result.Info(text);
  return result;
}

}  // namespace rovex::converters
