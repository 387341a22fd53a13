#pragma once

#include <string>

#include "converters/converter_result.h"
#include "converters/output_file.h"

// The file steps of the one-source, one-destination converters, each with the
// message it shows: a false return means the error is in the result and the
// conversion stops.

namespace rovex::converters {

inline constexpr const char* kWriteErrorMessage = "Error writing to output file.\nAborting save.";

std::string CantOpenSourceMessage(const std::string& source);
std::string CantOpenDestinationMessage(const std::string& destination);

// Both names given and not naming one file.
bool CheckSourceAndDestination(const std::string& source, const std::string& destination, ConverterResult& result);

// The whole source file into text.
bool ReadSourceText(const std::string& source, std::string* text, ConverterResult& result);

bool OpenDestinationFile(OutputFile& out, const std::string& destination, OutputFile::Mode mode,
                         ConverterResult& result);

// Puts the written destination in place.
bool CommitDestination(OutputFile& out, ConverterResult& result);

}  // namespace rovex::converters
