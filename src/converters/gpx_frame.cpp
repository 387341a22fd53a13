#include "converters/gpx_frame.h"

namespace rovex::converters {

std::string GpxHeader() {
  std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  header += "<gpx\nversion=\"1.0\"\ncreator=\"ROVEX - ";
  header += kRovexHomePage;
  header += "\"\n";
  header += "xmlns:xsi=\"";
  header += kXmlSchemaInstanceNamespace;
  header += "\"\n";
  header += "xmlns=\"";
  header += kGpx10Namespace;
  header += "\"\n";
  header += "xsi:schemaLocation=\"";
  header += kGpx10Namespace;
  header += "\n";
  header += kGpx10SchemaLocation;
  header += "\">\n";
  return header;
}

}  // namespace rovex::converters
