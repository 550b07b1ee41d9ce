// The command-line options that describe a simulated firmware board.
#pragma once

#include <string>
#include <vector>

#include "ioprobe_board.h"

namespace boardsim {

// Applies options to `board`, left to right:
//   --product TEXT  --manufacturer TEXT  --version TEXT  --serial TEXT
//   --no-system-information
//   --vendor WATCHED,STATUS   (two bytes, decimal or 0x hexadecimal)
//   --no-vendor
//   --fault none|fail|cycle|endless|answer-last
// Returns false and sets `error` on an unknown option or a bad value.
bool ApplyBoardOptions(const std::vector<std::string>& options, IoprobeBoard& board,
                       std::string& error);

}  // namespace boardsim
