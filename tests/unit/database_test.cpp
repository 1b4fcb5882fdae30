// The database engine entry: the registry check, the reinstall question,
// the engine chosen by Windows version and answer, and questions that stay
// open while the menu goes on working.

#include "menu_fixture.h"

namespace {

constexpr const char* Key1 = "SOFTWARE\\Microsoft\\Microsoft SQL Server";
constexpr const char* Key2 = "SOFTWARE\\Microsoft\\Microsoft SQL Server 2005 Redist";
constexpr const char* Msde = "MSDE";
constexpr const char* Express32 = "Microsoft SQL Server 2005 Express(32)";
constexpr const char* Express64 = "Microsoft SQL Server 2005 Express(64)";

const fake::Box ReinstallQuestion{fake::BoxKind::Owned, fake::ApplicationHandle,
                                  "系统已经安装过MSDE或SQL Server 2005数据库,是否重新安装?",
                                  "询问", 0x24};
const fake::Box WidthQuestion{fake::BoxKind::Owned, fake::ApplicationHandle,
                              "请确认您的当前操作系统是32位或者64位,<是>32位 <否>64位!", "询问",
                              0x24};

// The settings argument, piece by piece.
std::string SettingsArgument(std::string_view Folder) {
  return std::string(" ") + "/settings" + " " + '"' + EntryDir(Folder) + "setup.ini" + '"' + " ";
}

std::function<int()> Answer(int Button) {
  return [Button] { return Button; };
}

class DatabaseEntry : public MenuTest {
protected:
  void SetUp() override {
    MenuTest::SetUp();
    for (const char* Folder : {Msde, Express32, Express64}) Provide(Folder);
  }
  static void AddKey(const char* Key, fake::Key State = fake::Key::Present) {
    std::string Lower;
    for (unsigned char C : std::string_view(Key)) Lower += static_cast<char>(std::tolower(C));
    World().Keys[Lower] = State;
  }
  static void Answers(std::initializer_list<int> Buttons) {
    for (int B : Buttons) World().Answers.push_back(Answer(B));
  }
  void ExpectLaunched(std::string_view Folder, const std::string& Parameters) {
    const fake::Launch Expected{MenuHandle(), "open", EntrySetup(Folder), Parameters, std::nullopt,
                                SW_SHOWNORMAL, EntryDir(Folder)};
    ASSERT_EQ(World().Launches.size(), 1u);
    EXPECT_EQ(World().Launches[0], Expected);
  }
  void TearDown() override {
    EXPECT_EQ(World().OpenRegistrySessions, 0) << "the registry accessor must be freed";
    EXPECT_EQ(World().CurrentDir, Root);
    EXPECT_TRUE(World().Answers.empty()) << "a question that was expected was not asked";
    MenuTest::TearDown();
  }
};

// The engine chosen, by Windows version and answer, with no SQL Server installed.
struct EngineCase {
  int Major;
  std::vector<int> Answers;
  std::vector<fake::Box> Questions;
  const char* Folder;
  bool Settings;
};

class EngineChoice : public DatabaseEntry, public ::testing::WithParamInterface<EngineCase> {};

TEST_P(EngineChoice, StartsTheMatchingSetup) {
  const EngineCase& C = GetParam();
  fake::SetWindowsMajorVersion(C.Major);
  for (int B : C.Answers) World().Answers.push_back(Answer(B));
  Click(2);

  EXPECT_EQ(World().Boxes, C.Questions);
  ExpectLaunched(C.Folder, C.Settings ? SettingsArgument(C.Folder) : "");
}

INSTANTIATE_TEST_SUITE_P(
    ByVersionAndAnswer, EngineChoice,
    ::testing::Values(EngineCase{5, {}, {}, Msde, false},                          // XP
                      EngineCase{4, {}, {}, Msde, false},                          // NT 4
                      EngineCase{6, {IDYES}, {WidthQuestion}, Express32, true},    // Vista
                      EngineCase{6, {IDNO}, {WidthQuestion}, Express64, true},
                      EngineCase{10, {IDYES}, {WidthQuestion}, Express32, true},   // 10 and 11
                      EngineCase{10, {IDNO}, {WidthQuestion}, Express64, true},
                      EngineCase{10, {0}, {WidthQuestion}, Express64, true}));     // no answer: 64-bit

TEST_F(DatabaseEntry, SettingsArgumentIsTheEightPieces) {
  Answers({IDYES});
  Click(2);
  ASSERT_EQ(World().Launches.size(), 1u);
#if defined(_WIN32)
  EXPECT_EQ(World().Launches[0].Parameters,
            " /settings \"D:\\Microsoft SQL Server 2005 Express(32)\\setup.ini\" ");
#else
  EXPECT_EQ(World().Launches[0].Parameters,
            " /settings \"/Microsoft SQL Server 2005 Express(32)/setup.ini\" ");
#endif
}

// The registry check: the keys asked about, in order, and the questions and
// the setup that follow, by the keys there are and the Windows version.
struct KeyCase {
  const char* Case;
  int Major;
  std::vector<std::pair<const char*, fake::Key>> Keys;
  std::vector<int> Answers;
  std::vector<std::string> Queries;
  std::vector<fake::Box> Questions;
  const char* Folder;
  bool Settings;
};

class RegistryCheck : public DatabaseEntry, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(RegistryCheck, AsksAboutTheKeysThenStartsTheChosenSetup) {
  const KeyCase& C = GetParam();
  fake::SetWindowsMajorVersion(C.Major);
  for (const auto& [Key, Access] : C.Keys) AddKey(Key, Access);
  for (int B : C.Answers) World().Answers.push_back(Answer(B));
  Click(2);

  EXPECT_EQ(World().RegistryQueries, C.Queries);
  EXPECT_EQ(World().Boxes, C.Questions);
  ExpectLaunched(C.Folder, C.Settings ? SettingsArgument(C.Folder) : "");
}

INSTANTIATE_TEST_SUITE_P(
    ByKeys, RegistryCheck,
    ::testing::Values(
        // The first key found: the second is not asked about.
        KeyCase{"FirstKeyFoundSkipsTheSecondAndAsks", 10, {{Key1, fake::Key::Present}}, {IDYES, IDYES},
                {Key1}, {ReinstallQuestion, WidthQuestion}, Express32, true},
        KeyCase{"SecondKeyAloneAsksToo", 10, {{Key2, fake::Key::Present}}, {IDYES, IDNO},
                {Key1, Key2}, {ReinstallQuestion, WidthQuestion}, Express64, true},
        KeyCase{"NoKeyAsksNoReinstallQuestion", 5, {}, {}, {Key1, Key2}, {}, Msde, false},
        KeyCase{"KeysThatCannotBeOpenedCountAsAbsent", 5,
                {{Key1, fake::Key::AccessDenied}, {Key2, fake::Key::AccessDenied}}, {}, {Key1, Key2}, {},
                Msde, false},
        // On old Windows the reinstall question is the only one.
        KeyCase{"ReinstallOnOldWindowsAsksOnceThenStartsMsde", 5, {{Key1, fake::Key::Present}}, {IDYES},
                {Key1}, {ReinstallQuestion}, Msde, false}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(DatabaseEntry, DecliningTheReinstallEndsSilently) {
  AddKey(Key1);
  Answers({IDNO});
  Click(2);

  EXPECT_EQ(World().Boxes, std::vector<fake::Box>{ReinstallQuestion});
  EXPECT_TRUE(World().Launches.empty());
  EXPECT_TRUE(World().FileQueries.empty());
  EXPECT_TRUE(World().DirChanges.empty()) << "the current directory was never touched";
}

TEST_F(DatabaseEntry, DecliningLeavesTheNextRequestUnchanged) {
  AddKey(Key1);
  Answers({IDYES, IDNO});  // first request: reinstall, 64-bit
  Click(2);
  Answers({IDNO});  // second request: declined
  Click(2);
  World().Keys.clear();
  Answers({IDYES});  // third request: no key, 32-bit
  Click(2);

  ASSERT_EQ(World().Launches.size(), 2u);
  EXPECT_EQ(World().Launches[0].File, EntrySetup(Express64));
  EXPECT_EQ(World().Launches[1].File, EntrySetup(Express32));
  EXPECT_EQ(World().Launches[1].Parameters, SettingsArgument(Express32));
}

TEST_F(DatabaseEntry, MissingEngineFolderIsReportedByTheLaunchStep) {
  fake::Reset();
  Start(Root + "menu.exe");
  Answers({IDYES});
  Click(2);

  ASSERT_EQ(World().Boxes.size(), 2u);
  EXPECT_EQ(World().Boxes[0], WidthQuestion);
  EXPECT_EQ(World().Boxes[1].Kind, fake::BoxKind::Application);
  EXPECT_EQ(World().Boxes[1].Text, "文件夹 '" + EntryDir(Express32) + "' 不存在！");
  EXPECT_TRUE(World().Launches.empty());
}

// While a question is open the menu stays usable: a click on another entry
// runs at once, and the request that asked then launches what it set after
// its own questions.
TEST_F(DatabaseEntry, AnEntryClickedDuringTheWidthQuestionRunsAtOnce) {
  Provide(FolderOf(3));
  World().Answers.push_back([this] {
    Click(3);
    return IDYES;
  });
  Click(2);

  ASSERT_EQ(World().Launches.size(), 2u);
  EXPECT_EQ(World().Launches[0].File, EntrySetup(FolderOf(3)));
  EXPECT_EQ(World().Launches[0].Parameters, "");
  EXPECT_EQ(World().Launches[1].File, EntrySetup(Express32));
  EXPECT_EQ(World().Launches[1].Parameters, SettingsArgument(Express32));
  EXPECT_EQ(World().Launches[1].CurrentDir, EntryDir(Express32));
}

// Closing the menu (its Exit entry, Alt+F4) while a question is open ends
// that question without an answer: the request it belongs to stops there.
struct ClosedDuring {
  const char* Case;
  bool Installed;  // the reinstall question is the open one
  int Returned;    // what the ended question gives back
};

class ClosingDuringAQuestion : public DatabaseEntry, public ::testing::WithParamInterface<ClosedDuring> {};

TEST_P(ClosingDuringAQuestion, LaunchesNothing) {
  if (GetParam().Installed) AddKey(Key1);
  World().Answers.push_back([this] {
    Click(7);
    return GetParam().Returned;
  });
  Click(2);
  EXPECT_TRUE(World().QuitRequested);
  EXPECT_TRUE(World().Launches.empty());
  EXPECT_EQ(World().Boxes, std::vector<fake::Box>{GetParam().Installed ? ReinstallQuestion : WidthQuestion});
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingDuringAQuestion,
                         ::testing::Values(ClosedDuring{"ReinstallEndedWithNoAnswer", true, 0},
                                           ClosedDuring{"ReinstallEndedAsYes", true, IDYES},
                                           ClosedDuring{"WidthEndedWithNoAnswer", false, 0},
                                           ClosedDuring{"WidthEndedAsYes", false, IDYES}),
                         [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(DatabaseEntry, TheDatabaseEntryClickedDuringItsOwnQuestionAsksAgain) {
  AddKey(Key1);
  World().Answers.push_back([this] {  // the outer reinstall question
    // The nested request: reinstall, 64-bit; then the outer width question,
    // asked after the nested request has ended: 32-bit.
    Answers({IDYES, IDNO, IDYES});
    Click(2);
    return IDYES;
  });
  Click(2);

  EXPECT_EQ(World().Boxes,
            (std::vector<fake::Box>{ReinstallQuestion, ReinstallQuestion, WidthQuestion, WidthQuestion}));
  ASSERT_EQ(World().Launches.size(), 2u);
  EXPECT_EQ(World().Launches[0].File, EntrySetup(Express64));
  EXPECT_EQ(World().Launches[1].File, EntrySetup(Express32));
  EXPECT_EQ(World().Launches[1].Parameters, SettingsArgument(Express32));
}

}  // namespace
