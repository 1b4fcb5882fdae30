// What happens to an exception that nothing catches (the program's entry
// and the message loop catch every Exception): the program ends at once.
// The C++ runtime's own handler would first print the exception's type to
// standard error, which a Windows GUI program does not have, and it links
// in the runtime's name demangler (about 46 KB) to do so. Defining the
// handler here keeps that out of the executable.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
