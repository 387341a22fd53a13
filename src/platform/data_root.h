#pragma once

#include <string>
#include <string_view>

// The folder that stands for "C:\ROVEX": $ROVEX_HOME, else ~/ROVEX. Folder
// settings hold no trailing separator, and a file inside one is folder + "/" + name.

namespace rovex {

std::string DataRoot();

// folder + separator + name, without doubling a separator the folder already ends with.
std::string JoinPath(std::string_view folder, std::string_view name);

// The data root with a sub-path, e.g. DataPath("Voice") -> "~/ROVEX/Voice".
std::string DataPath(std::string_view relative);

}  // namespace rovex
