// The table embed generates for one.bin and two.bin (compiled into this
// test): the entries in order, each with the file's bytes, 4-byte aligned,
// then the closing entry. And the arguments embed refuses.

#include "embedded.h"
#include "tool_test.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using EmbedTest = ToolTest;

TEST_F(EmbedTest, TableHoldsEachFileAlignedAndEndsWithNull) {
  const struct {
    const char* Name;
    const char* File;
  } Expected[] = {{"ONE", "one.bin"}, {"Two_2", "two.bin"}};
  const vcl::TEmbeddedResource* Entry = vcl::EmbeddedResources;
  for (const auto& E : Expected) {
    SCOPED_TRACE(E.Name);
    ASSERT_NE(Entry->Name, nullptr);
    EXPECT_STREQ(Entry->Name, E.Name);
    const std::string Bytes = Read(std::string(FIXTURES) + "/" + E.File);
    ASSERT_FALSE(Bytes.empty());
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(Entry->Data), Entry->Size), Bytes);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(Entry->Data) % 4, 0u);
    ++Entry;
  }
  EXPECT_EQ(Entry->Name, nullptr);
  EXPECT_EQ(Entry->Data, nullptr);
  EXPECT_EQ(Entry->Size, 0u);
}

TEST_F(EmbedTest, RefusesUnfitResourcesAndWritesNothing) {
  const std::string Data = Write("data.bin", "x");
  const std::string Empty = Write("empty.bin", "");
  const struct {
    const char* Fault;
    std::vector<std::string> Resources;
    const char* Message;
  } Cases[] = {
      {"name with a space", {"MAIN ICON=" + Data}, "resource name 'MAIN ICON'"},
      {"name starting with a digit", {"1ICON=" + Data}, "resource name '1ICON'"},
      {"empty name", {"=" + Data}, "resource name ''"},
      {"repeated name", {"ICON=" + Data, "ICON=" + Data}, "resource ICON is given twice"},
      {"empty file", {"ICON=" + Empty}, "is empty"},
      {"missing file", {"ICON=" + Path("none.bin")}, "cannot read"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Fault);
    std::vector<std::string> Args = {Path("out.cpp")};
    Args.insert(Args.end(), C.Resources.begin(), C.Resources.end());
    const Result R = Run(EMBED, Args);
    EXPECT_EQ(R.ExitCode, 1);
    EXPECT_TRUE(R.Errors.starts_with("embed: ")) << R.Errors;
    EXPECT_NE(R.Errors.find(C.Message), std::string::npos) << R.Errors;
    EXPECT_FALSE(std::filesystem::exists(Path("out.cpp")));
  }
}

}  // namespace
