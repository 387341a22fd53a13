#pragma once

#include <string>
#include <vector>

// The paper table of "Print Trekbuddy map": 118 rows, each a name and the
// page size in tenths of a millimetre. Rows 1 to 47 stand for printer paper
// codes 1 to 47, rows 48 to 116 for codes 50 to 118 (48 and 49 name no paper),
// and the last two rows (A1, A0) for no code.

namespace rovex::atlas {

struct PaperRow {
  const char* name;
  int width;   // tenths of a millimetre
  int length;
};

const std::vector<PaperRow>& PaperTable();
// The printer paper code of a row (1-based); 0 for the rows without one.
int PaperCodeOfRow(int row);
// The row of a paper code; 0 when no row stands for it.
int RowOfPaperCode(int code);
// " %.2f mm X %.2f mm" for a row (1-based); "Unable to get paper size" outside the table.
std::string PaperSizeText(int row);

inline constexpr int kA4PaperCode = 9;

}  // namespace rovex::atlas
