#pragma once
// Help texts as a terminal shows them best: words wrapped within 88 columns.

#include <string>
#include <string_view>

namespace cli {

// `first` starts the first line and `indent` every further one; words are never split.
std::string WrappedText(std::string_view text, std::string_view first = "", std::string_view indent = "");

}  // namespace cli
