#pragma once
// A fault in the text form or in what it is compiled with, at a line of the
// text form; reported as "file:line: message".

#include <stdexcept>
#include <string>

namespace formc {

class FormError : public std::runtime_error {
public:
  FormError(int Line, const std::string& Message) : std::runtime_error(Message), Line(Line) {}
  int Line;
};

}  // namespace formc
