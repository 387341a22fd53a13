#include "converters/converter_files.h"

#include "converters/input_file.h"

namespace rovex::converters {

std::string CantOpenSourceMessage(const std::string& source) { return "Error can't open source file\n" + source; }

std::string CantOpenDestinationMessage(const std::string& destination) {
  return "Error can't open destination file\n" + destination;
}

bool CheckSourceAndDestination(const std::string& source, const std::string& destination, ConverterResult& result) {
  if (source.empty()) {
    result.Error("The source file name can not be empty");
    return false;
  }
  if (destination.empty()) {
    result.Error("The destination file name can not be empty");
    return false;
  }
  if (SameFile(source, destination)) {
    result.Error("The source and destination file names can not be the same.");
    return false;
  }
  return true;
}

bool ReadSourceText(const std::string& source, std::string* text, ConverterResult& result) {
  InputFile input(source);
  if (!input || !ReadAll(input.get(), text)) {
    result.Error(CantOpenSourceMessage(source));
    return false;
  }
  return true;
}

bool OpenDestinationFile(OutputFile& out, const std::string& destination, OutputFile::Mode mode,
                         ConverterResult& result) {
  if (!out.Open(destination, mode)) {
    result.Error(CantOpenDestinationMessage(destination));
    return false;
  }
  return true;
}

bool CommitDestination(OutputFile& out, ConverterResult& result) {
  if (!out.Commit()) {
    result.Error(kWriteErrorMessage);
    return false;
  }
  return true;
}

}  // namespace rovex::converters
