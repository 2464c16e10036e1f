#pragma once
// Text put into a sheet's HTML, element content and attribute values alike: a file name
// or an operator's name holding "<" or "&" shows as it is and never becomes markup.

#include <string>
#include <string_view>

namespace report {

std::string Escaped(std::string_view text);

}  // namespace report
