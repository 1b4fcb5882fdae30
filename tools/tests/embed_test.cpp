// The table embed generates for one.bin and two.bin (compiled into this
// test): the entries in order, each with the file's bytes, 4-byte aligned,
// then the closing entry.

#include "embedded.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

std::string FileBytes(const char* Name) {
  std::ifstream In(std::string(FIXTURES) + "/" + Name, std::ios::binary);
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

TEST(Embed, TableHoldsEachFileAlignedAndEndsWithNull) {
  const struct {
    const char* Name;
    const char* File;
  } Expected[] = {{"ONE", "one.bin"}, {"Two_2", "two.bin"}};
  const vcl::TEmbeddedResource* Entry = vcl::EmbeddedResources;
  for (const auto& E : Expected) {
    SCOPED_TRACE(E.Name);
    ASSERT_NE(Entry->Name, nullptr);
    EXPECT_STREQ(Entry->Name, E.Name);
    const std::string Bytes = FileBytes(E.File);
    ASSERT_FALSE(Bytes.empty());
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(Entry->Data), Entry->Size), Bytes);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(Entry->Data) % 4, 0u);
    ++Entry;
  }
  EXPECT_EQ(Entry->Name, nullptr);
  EXPECT_EQ(Entry->Data, nullptr);
  EXPECT_EQ(Entry->Size, 0u);
}

}  // namespace
