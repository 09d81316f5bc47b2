#pragma once
#include <string>
#include <vector>

// The font families installed on the machine.
namespace vantor::model::fonts {

// The families that fontconfig reports, each once, sorted without regard to
// case; a small fixed list when fontconfig reports none.
std::vector<std::string> InstalledFamilies();
// The families of a list each once, sorted without regard to case; the same
// fixed list when it is empty.
std::vector<std::string> DistinctFamilies(std::vector<std::string> found);

// The default font of new workbooks: the first installed of "Liberation Sans"
// and "DejaVu Sans", else the first installed family.
std::string ChooseDefaultFont(const std::vector<std::string>& families);

} // namespace vantor::model::fonts
