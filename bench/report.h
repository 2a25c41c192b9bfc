// The report of kelvoro_bench.exe: a Markdown table of the figures with the targets they are held
// to.
#pragma once

#include <string>

#include "measure.h"

namespace kelvoro::bench {

// Prints the table of `m`, `runs` rounds; the bare window with common controls is in it when
// `with_common_controls`.
void PrintTable(const Measurements& m, const std::string& program, const std::string& bare,
                bool with_common_controls, int runs);

}  // namespace kelvoro::bench
