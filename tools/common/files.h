#pragma once
// Whole-file reading and writing for the build tools.

#include <filesystem>
#include <string>
#include <string_view>

namespace tools {

// The bytes of File; throws std::runtime_error "cannot read FILE: reason".
std::string ReadWholeFile(const std::filesystem::path& File);

// Writes Bytes to File, replacing it; on failure removes what was written and
// throws std::runtime_error "cannot write FILE: reason".
void WriteWholeFile(const std::filesystem::path& File, std::string_view Bytes);

}  // namespace tools
