#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One zoom layer of a Trekbuddy atlas on disk, indexed once: its tiles in the
// "set" subfolder (named PREFIX X_Y.EXT by pixel offsets), its calibration
// file and its overview picture. Listings are taken in sorted order, so that
// "the first match" is the same on every machine; a paint then never lists a folder.

namespace rovex::atlas {

struct TileName {
  std::string file;    // the name in the "set" folder
  std::string prefix;  // before the X offset
  long x = 0;
  long y = 0;
  std::string extension;  // from the dot on
};

// Splits "t_256_0.jpg" into prefix "t_", 256, 0, ".jpg"; empty for other names.
std::optional<TileName> SplitTileName(const std::string& file);

// The first entry (sorted) of the atlas folder whose name ends with the zoom
// level in two digits; empty when none matches.
std::string FindLayerFolder(const std::string& atlasFolder, int zoom);

// The file names in a folder, sorted; empty when it cannot be listed.
std::vector<std::string> SortedListing(const std::string& folder);

std::string JoinPath(const std::string& folder, const std::string& name);

class AtlasLayer {
 public:
  AtlasLayer() = default;
  // Indexes the layer folder; an empty or unreadable folder gives an empty layer.
  explicit AtlasLayer(std::string folder);

  const std::string& Folder() const { return m_folder; }
  bool Empty() const { return m_folder.empty(); }
  // The first tile whose name ends in "0_0." (the layer's top-left tile).
  const std::optional<TileName>& FirstTile() const { return m_first; }
  std::string FirstTilePath() const;
  // The first tile (sorted) named *_X_Y.*; empty when there is none.
  std::string TilePath(long x, long y) const;
  // Whether PREFIX X_Y EXT exists.
  bool Exists(const std::string& prefix, long x, long y, const std::string& extension) const;
  // The first "*.map" file; empty when none.
  const std::string& MapFile() const { return m_mapFile; }
  std::string PanPath() const { return JoinPath(m_folder, "pan.jpg"); }

  // Tile counts by the search of ten probes from the first tile in steps of
  // 256, 128, ... tiles (at most 512); 0 without a first tile or tile size.
  int CountColumns(int tileWidth) const { return Count(tileWidth, true); }
  int CountRows(int tileHeight) const { return Count(tileHeight, false); }

 private:
  int Count(int tileSize, bool columns) const;

  std::string m_folder;
  std::string m_setFolder;
  std::optional<TileName> m_first;
  std::string m_mapFile;
  // Offsets to the sorted tile names at them.
  std::map<std::pair<long, long>, std::vector<TileName>> m_tiles;
};

}  // namespace rovex::atlas
