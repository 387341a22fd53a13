// Writes an OSM XML file of about the given size for the benchmarks:
//   gen_osm_xml MEGABYTES FILE
// Shaped like a regional extract: nodes with their metadata in id order, one
// in twenty tagged (one in 2000 a speed camera, some with a note and a
// maxspeed), then ways of 4 to 20 neighbouring nodes with road tags, then
// nothing else. About three quarters of the bytes are nodes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class Writer {
 public:
  explicit Writer(std::FILE* file) : m_file(file) { m_buffer.reserve(kFlushAt + 4096); }
  ~Writer() { Flush(); }
  Writer& operator<<(const char* text) {
    m_buffer += text;
    return Check();
  }
  Writer& operator<<(const std::string& text) {
    m_buffer += text;
    return Check();
  }
  Writer& operator<<(int64_t value) {
    char digits[24];
    int n = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    m_buffer.append(digits, static_cast<size_t>(n));
    return Check();
  }
  // A coordinate of 7 decimals, as the OSM servers write them.
  void Degrees(int64_t e7) {
    if (e7 < 0) {
      m_buffer += '-';
      e7 = -e7;
    }
    char digits[32];
    int n = std::snprintf(digits, sizeof digits, "%lld.%07lld", static_cast<long long>(e7 / 10000000),
                          static_cast<long long>(e7 % 10000000));
    m_buffer.append(digits, static_cast<size_t>(n));
  }
  uint64_t Written() const { return m_written + m_buffer.size(); }
  bool Flush() {
    if (!m_buffer.empty() && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size()) {
      m_failed = true;
    }
    m_written += m_buffer.size();
    m_buffer.clear();
    return !m_failed;
  }
  bool Failed() const { return m_failed; }

 private:
  static constexpr size_t kFlushAt = 1 << 22;
  Writer& Check() {
    if (m_buffer.size() >= kFlushAt) Flush();
    return *this;
  }
  std::FILE* m_file;
  std::string m_buffer;
  uint64_t m_written = 0;
  bool m_failed = false;
};

// A small fixed-seed generator: the same file for the same size on every run.
uint32_t g_state = 2463534242u;
uint32_t Next() {
  g_state ^= g_state << 13;
  g_state ^= g_state >> 17;
  g_state ^= g_state << 5;
  return g_state;
}

const char* const kNodeTags[] = {
    "  <tag k=\"highway\" v=\"traffic_signals\"/>\n",
    "  <tag k=\"highway\" v=\"crossing\"/>\n  <tag k=\"crossing\" v=\"zebra\"/>\n",
    "  <tag k=\"amenity\" v=\"pub\"/>\n  <tag k=\"name\" v=\"The Red Lion\"/>\n",
    "  <tag k=\"amenity\" v=\"parking\"/>\n",
    "  <tag k=\"natural\" v=\"tree\"/>\n",
    "  <tag k=\"barrier\" v=\"bollard\"/>\n",
};
const char* const kCameraTags[] = {
    "",
    "  <tag k=\"maxspeed\" v=\"30 mph\"/>\n",
    "  <tag k=\"note\" v=\"gatso\"/>\n  <tag k=\"maxspeed\" v=\"50\"/>\n",
    "  <tag k=\"note\" v=\"Mobile SPECS\"/>\n  <tag k=\"maxspeed\" v=\"40\"/>\n",
    "  <tag k=\"note\" v=\"redlight\"/>\n",
};
const char* const kRoads[] = {"residential", "unclassified", "tertiary", "secondary", "primary", "service", "track"};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gen_osm_xml MEGABYTES FILE\n");
    return 2;
  }
  const long megabytes = std::strtol(argv[1], nullptr, 10);
  if (megabytes <= 0) {
    std::fprintf(stderr, "gen_osm_xml: MEGABYTES must be a positive number\n");
    return 2;
  }
  std::FILE* file = std::fopen(argv[2], "wb");
  if (file == nullptr) {
    std::perror(argv[2]);
    return 1;
  }
  const uint64_t target = static_cast<uint64_t>(megabytes) << 20;
  const uint64_t nodeBytes = target / 4 * 3;
  int64_t cameras = 0;
  int64_t nodes = 0;
  {
    Writer out(file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<osm version=\"0.6\" generator=\"gen_osm_xml\">\n"
           " <bounds minlat=\"50.0000000\" minlon=\"-3.0000000\" maxlat=\"53.0000000\" maxlon=\"1.0000000\"/>\n";
    // A walk over the map, so that neighbouring ids lie close together as in real data.
    int64_t lat = 515000000;
    int64_t lon = -10000000;
    while (out.Written() < nodeBytes) {
      ++nodes;
      lat += static_cast<int64_t>(Next() % 2001) - 1000;
      lon += static_cast<int64_t>(Next() % 2001) - 1000;
      out << " <node id=\"" << nodes << "\" version=\"" << static_cast<int64_t>(1 + Next() % 9)
          << "\" timestamp=\"2015-06-01T12:00:00Z\" changeset=\"" << static_cast<int64_t>(1000000 + Next() % 9000000)
          << "\" uid=\"" << static_cast<int64_t>(Next() % 100000) << "\" user=\"mapper\" lat=\"";
      out.Degrees(lat);
      out << "\" lon=\"";
      out.Degrees(lon);
      if (nodes % 2000 == 0) {
        out << "\">\n  <tag k=\"highway\" v=\"speed_camera\"/>\n" << kCameraTags[cameras % 5] << " </node>\n";
        ++cameras;
      } else if (nodes % 20 == 0) {
        out << "\">\n" << kNodeTags[Next() % 6] << " </node>\n";
      } else {
        out << "\"/>\n";
      }
    }
    int64_t way = 0;
    int64_t ref = 1;
    while (out.Written() < target) {
      ++way;
      out << " <way id=\"" << way << "\" version=\"2\" timestamp=\"2016-03-01T08:00:00Z\" changeset=\""
          << static_cast<int64_t>(1000000 + Next() % 9000000) << "\" uid=\"" << static_cast<int64_t>(Next() % 100000)
          << "\" user=\"mapper\">\n";
      const int64_t length = 4 + Next() % 17;
      for (int64_t k = 0; k < length; ++k) {
        out << "  <nd ref=\"" << ref << "\"/>\n";
        ref = ref % nodes + 1;
      }
      out << "  <tag k=\"highway\" v=\"" << kRoads[Next() % 7] << "\"/>\n  <tag k=\"name\" v=\"Street "
          << static_cast<int64_t>(Next() % 5000) << "\"/>\n </way>\n";
    }
    out << "</osm>\n";
    if (!out.Flush()) {
      std::perror(argv[2]);
      return 1;
    }
  }
  if (std::fclose(file) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  std::printf("%lld nodes, %lld speed cameras\n", static_cast<long long>(nodes), static_cast<long long>(cameras));
  return 0;
}
