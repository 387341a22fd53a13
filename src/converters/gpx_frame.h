#pragma once

#include <string>

// The GPX 1.0 document frame that every GPX file written by the converters
// begins and ends with.

namespace rovex::converters {

// The program's home page, named in the creator attribute of every GPX file
// written. ROVEX's page is its README, installed beside the program; change
// the address here and every writer follows.
inline constexpr const char* kRovexHomePage = "README.md";

inline constexpr const char* kXmlSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* kGpx10Namespace = "http://www.topografix.com/GPX/1/0";
inline constexpr const char* kGpx10SchemaLocation = "http://www.topografix.com/GPX/1/0/gpx.xsd";

// From the XML declaration (which names UTF-8, the encoding of everything
// written) to the end of the <gpx> start tag, with its line breaks.
std::string GpxHeader();

inline constexpr const char* kGpxFooter = "</gpx>\n";

// The message every GPX writer shows when a write of the frame fails.
inline constexpr const char* kGpxWriteErrorMessage = "Error: Unable to write to the file.";

}  // namespace rovex::converters
