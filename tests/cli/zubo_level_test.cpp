// Runs the zubo-level program as a user or a script would.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct RunResult {
  int Status = -1;
  std::string Out;
  std::string Err;
};

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  const std::string text = ReadText(path);
  return {text.begin(), text.end()};
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class ZuboLevelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("zubo-level-test-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Dir);
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }

  RunResult Run(const std::string& arguments) {
    const fs::path out = Dir / "stdout.txt";
    const fs::path err = Dir / "stderr.txt";
    const std::string command = std::string("'") + ZUBO_LEVEL + "' " + arguments + " >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
  }

  std::string P(const std::string& name) { return "'" + (Dir / name).string() + "'"; }

  fs::path Dir;
};

const char* const WorkedExample = R"({
  "width": 2, "height": 1, "background": 0, "primary": [1, 1],
  "chars": [[1, 1, 1]], "objects": [], "platforms": [], "springs": [],
  "tiles": {"bg": [0, 0], "mg": [0, 14], "fg": [0, 0]},
  "texts": [], "customTexts": []
})";

// A level with every kind of content that passes validation.
const char* const RichLevel = R"({
  "width": 6, "height": 4, "background": 2, "primary": [2, 2],
  "chars": [[1, 1, 1], [2, 2, 1], [3, 1, 5], [4, 1, 3]],
  "objects": [[5, 1, 2], [1, 3, 5]],
  "platforms": [
    {"kind": 2, "speed": 5, "switchType": 3, "start": [1, 4], "end": [3, 4], "switch": [6, 2]},
    {"kind": 1, "speed": 10, "switchType": 5, "start": [2, 3], "end": [2, 4]}
  ],
  "springs": [{"kind": 2, "points": [[5, 1, 1], [5, 3, 4], [6, 4, 0]]}],
  "tiles": {
    "bg": [1,1,1,1, 2,2,2,2, 3,3,3,3, 4,4,4,4, 5,5,5,5, 6,6,6,6],
    "mg": [0,0,0,0, 0,14,0,0, 0,0,0,0, 0,0,0,0, 0,0,0,0, 0,7,0,0],
    "fg": [9,0,0,0, 0,0,0,0, 0,0,0,0, 0,0,0,3, 0,0,0,0, 0,0,0,0]
  },
  "texts": [[3, 3, 1], [4, 4, 2]],
  "customTexts": ["Welcome to the sewers", "Caf\u00e9 \u20ac"]
})";

TEST_F(ZuboLevelTest, BuildWritesTheWorkedExampleByteForByte) {
  WriteText(Dir / "example.json", WorkedExample);
  const RunResult result = Run("build " + P("example.json") + " " + P("example.lvl"));
  ASSERT_EQ(result.Status, 0) << result.Err;
  const std::vector<uint8_t> expected = {0x02, 0x01, 0x00, 0x01, 0x00, 0x01, 0x01,
                                         0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0x00, 0x00, 0x0E, 0x00, 0x00, 0x00};
  EXPECT_EQ(ReadBytes(Dir / "example.lvl"), expected);
}

TEST_F(ZuboLevelTest, DumpAndBuildRoundTripGivesTheSameBytes) {
  WriteText(Dir / "rich.json", RichLevel);
  ASSERT_EQ(Run("build --validate " + P("rich.json") + " " + P("first.lvl")).Status, 0);

  const RunResult dump = Run("dump " + P("first.lvl"));
  ASSERT_EQ(dump.Status, 0) << dump.Err;
  WriteText(Dir / "dumped.json", dump.Out);
  ASSERT_EQ(Run("build " + P("dumped.json") + " " + P("second.lvl")).Status, 0);
  EXPECT_EQ(ReadBytes(Dir / "first.lvl"), ReadBytes(Dir / "second.lvl"));

  // The chosen primary (the second Zubo) is listed first and reported as primary;
  // the switch pair only appears for a platform that has a switch.
  EXPECT_NE(dump.Out.find("\"primary\": [\n    2,\n    2\n  ]"), std::string::npos) << dump.Out;
  EXPECT_NE(dump.Out.find("\"switch\""), std::string::npos);
  EXPECT_EQ(dump.Out.find("\"switch\""), dump.Out.rfind("\"switch\""));
  // Latin-1 text comes back as UTF-8; a character outside Latin-1 was written as "?".
  EXPECT_NE(dump.Out.find("Caf\xC3\xA9 ?"), std::string::npos) << dump.Out;
}

TEST_F(ZuboLevelTest, AnEmptyLastCustomTextLineIsKeptThroughBuildAndDump) {
  std::string level = WorkedExample;
  level.replace(level.find("\"customTexts\": []"), 17, "\"customTexts\": [\"a\", \"\"]");
  WriteText(Dir / "lines.json", level);
  ASSERT_EQ(Run("build " + P("lines.json") + " " + P("lines.lvl")).Status, 0);
  const std::vector<uint8_t> bytes = ReadBytes(Dir / "lines.lvl");
  const std::vector<uint8_t> tail = {0x02, 0x01, 0x00, 'a', 0x00, 0x00};
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - tail.size()));
  const RunResult dump = Run("dump " + P("lines.lvl"));
  EXPECT_NE(dump.Out.find("\"customTexts\": [\n    \"a\",\n    \"\"\n  ]"), std::string::npos)
      << dump.Out;
}

TEST_F(ZuboLevelTest, DumpListsCharsInFileOrderWithTheFileSizes) {
  WriteText(Dir / "example.json", WorkedExample);
  ASSERT_EQ(Run("build " + P("example.json") + " " + P("example.lvl")).Status, 0);
  const RunResult dump = Run("dump " + P("example.lvl"));
  ASSERT_EQ(dump.Status, 0);
  const std::string compact = [&] {
    std::string text;
    for (char c : dump.Out)
      if (c != ' ' && c != '\n') text += c;
    return text;
  }();
  EXPECT_EQ(compact,
            "{\"width\":2,\"height\":1,\"background\":0,\"primary\":[1,1],\"chars\":[[1,1,1]],"
            "\"objects\":[],\"platforms\":[],\"springs\":[],\"tiles\":{\"bg\":[0,0],\"mg\":[0,14],"
            "\"fg\":[0,0]},\"texts\":[],\"customTexts\":[]}");
}

TEST_F(ZuboLevelTest, ValidatePrintsTheEditorsMessagesAndExitsByTheOutcome) {
  WriteText(Dir / "rich.json", RichLevel);
  ASSERT_EQ(Run("build " + P("rich.json") + " " + P("rich.lvl")).Status, 0);
  RunResult result = Run("validate " + P("rich.lvl"));
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Out, "");

  // Without the end tile the level fails with exactly the editor's message.
  std::string noEnd = RichLevel;
  noEnd.replace(noEnd.find("0,14,0,0"), 8, "0,0,0,0 ");
  WriteText(Dir / "noend.json", noEnd);
  ASSERT_EQ(Run("build " + P("noend.json") + " " + P("noend.lvl")).Status, 0);
  result = Run("validate " + P("noend.lvl"));
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out, "The map is missing an \"end\" tile!\n");

  // Lava is only a warning.
  std::string lava = RichLevel;
  lava.replace(lava.find("\"fg\": [9"), 8, "\"fg\": [37");
  WriteText(Dir / "lava.json", lava);
  ASSERT_EQ(Run("build " + P("lava.json") + " " + P("lava.lvl")).Status, 0);
  result = Run("validate " + P("lava.lvl"));
  EXPECT_EQ(result.Status, 0);
  EXPECT_EQ(result.Out, "Warning: lava tiles are present in the map. It may crash the level.\n");
}

TEST_F(ZuboLevelTest, BuildWithValidateWritesNothingWhenValidationFails) {
  std::string noZubo = WorkedExample;
  noZubo.replace(noZubo.find("[[1, 1, 1]]"), 11, "[[1, 1, 3]]");
  WriteText(Dir / "nozubo.json", noZubo);
  const RunResult result = Run("build --validate " + P("nozubo.json") + " " + P("out.lvl"));
  EXPECT_EQ(result.Status, 1);
  EXPECT_EQ(result.Out, "The map doesn't contain Zubo!\n");
  EXPECT_FALSE(fs::exists(Dir / "out.lvl"));
  // Without --validate the same map is written.
  EXPECT_EQ(Run("build " + P("nozubo.json") + " " + P("out.lvl")).Status, 0);
  EXPECT_TRUE(fs::exists(Dir / "out.lvl"));
}

TEST_F(ZuboLevelTest, FilesThatCannotBeReadOrWrittenExitWithTwo) {
  WriteText(Dir / "short.lvl", std::string("\x02\x01\x00", 3));
  for (const std::string command : {"validate", "dump", "info"}) {
    const RunResult result = Run(command + " " + P("short.lvl"));
    EXPECT_EQ(result.Status, 2) << command;
    EXPECT_EQ(result.Err,
              (Dir / "short.lvl").string() + ": Error while loading the map. (not a level file)\n")
        << command;
    EXPECT_EQ(Run(command + " " + P("missing.lvl")).Status, 2) << command;
  }

  WriteText(Dir / "bad.json", "{ not json");
  EXPECT_EQ(Run("build " + P("bad.json") + " " + P("out.lvl")).Status, 2);
  WriteText(Dir / "wide.json", R"({"width": 256, "height": 1})");
  RunResult result = Run("build " + P("wide.json") + " " + P("out.lvl"));
  EXPECT_EQ(result.Status, 2);
  EXPECT_NE(result.Err.find("width must be 1..255"), std::string::npos) << result.Err;
  EXPECT_FALSE(fs::exists(Dir / "out.lvl"));

  WriteText(Dir / "example.json", WorkedExample);
  result = Run("build " + P("example.json") + " " + P("no-such-folder/out.lvl"));
  EXPECT_EQ(result.Status, 2);
  EXPECT_FALSE(result.Err.empty());
}

// Nothing on disk is trusted: a huge file is refused before it is read, and
// a FIFO, folder or device is never waited on or read.
TEST_F(ZuboLevelTest, FilesThatAreNoLevelAreRefusedNamingTheFile) {
  fs::resize_file((WriteText(Dir / "huge.lvl", ""), Dir / "huge.lvl"), 50LL << 30);
  ASSERT_EQ(::mkfifo((Dir / "fifo.lvl").c_str(), 0644), 0);
  fs::create_directory(Dir / "folder.lvl");
  for (const auto& [name, problem] : {std::pair{"huge.lvl", "larger than 1048576 bytes"},
                                      std::pair{"fifo.lvl", "not a regular file"},
                                      std::pair{"folder.lvl", "not a regular file"}}) {
    for (const std::string command : {"info", "validate"}) {
      const RunResult result = Run(command + " " + P(name));
      EXPECT_EQ(result.Status, 2) << command << " " << name;
      EXPECT_EQ(result.Err,
                (Dir / name).string() + ": Error while loading the map. (" + problem + ")\n");
    }
  }
}

// build writes into the file named: through a symbolic link, never over a
// FIFO or a read-only file.
TEST_F(ZuboLevelTest, BuildWritesOnlyIntoTheFileNamed) {
  WriteText(Dir / "example.json", WorkedExample);
  WriteText(Dir / "level.lvl", "old");
  fs::create_symlink("level.lvl", Dir / "link.lvl");
  ASSERT_EQ(Run("build " + P("example.json") + " " + P("link.lvl")).Status, 0);
  EXPECT_TRUE(fs::is_symlink(Dir / "link.lvl"));
  EXPECT_EQ(ReadBytes(Dir / "level.lvl").size(), 20u);

  ASSERT_EQ(::mkfifo((Dir / "fifo.lvl").c_str(), 0644), 0);
  fs::permissions(Dir / "level.lvl", fs::perms::owner_read);
  for (const auto& [name, error] :
       {std::pair{"fifo.lvl", "Not a regular file"}, std::pair{"level.lvl", "Permission denied"}}) {
    const RunResult result = Run("build " + P("example.json") + " " + P(name));
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err, (Dir / name).string() + ": " + error + "\n");
  }
  EXPECT_TRUE(fs::is_fifo(Dir / "fifo.lvl"));
  EXPECT_EQ(ReadBytes(Dir / "level.lvl").size(), 20u);
}

// Every key has its documented type, and a value is named as it was given.
TEST_F(ZuboLevelTest, BuildRefusesKeysOfTheWrongType) {
  const std::pair<std::string, std::string> cases[] = {
      {R"("tiles": 5)", "tiles must be a JSON object"},
      {R"("tiles": "bg")", "tiles must be a JSON object"},
      {R"("tiles": [])", "tiles must be a JSON object"},
      {R"("tiles": {"bg": 5})", "tiles.bg must be an array of 2 values"},
      {R"("chars": {})", "chars must be an array"},
      {R"("platforms": [5])", "each of platforms must be a JSON object"},
      {R"("springs": ["x"])", "each of springs must be a JSON object"},
      {R"("primary": 5)", "primary must be an array of 2 values"},
      {R"("background": "0")", "background must be a whole number"},
      {R"("customTexts": ["a", 5])", "customTexts line 2 must be a string"},
      {R"("customTexts": ["a", "b\nc"])", "customTexts line 2 must not hold a line break"},
      {R"("customTexts": ["a\rb"])", "customTexts line 1 must not hold a line break"},
      {R"("width": 18446744073709551615)", "width must be 1..255, not 18446744073709551615"},
      {R"("width": -3)", "width must be 1..255, not -3"},
  };
  for (const auto& [entry, message] : cases) {
    const bool width = entry.rfind(R"("width")", 0) == 0;
    WriteText(Dir / "level.json",
              std::string("{\"height\": 1, ") + (width ? "" : "\"width\": 2, ") + entry + "}");
    const RunResult result = Run("build " + P("level.json") + " " + P("out.lvl"));
    EXPECT_EQ(result.Status, 2) << entry;
    EXPECT_EQ(result.Err, (Dir / "level.json").string() + ": " + message + "\n") << entry;
    EXPECT_FALSE(fs::exists(Dir / "out.lvl"));
  }
}

TEST_F(ZuboLevelTest, InfoSummarisesTheLevel) {
  WriteText(Dir / "rich.json", RichLevel);
  ASSERT_EQ(Run("build " + P("rich.json") + " " + P("rich.lvl")).Status, 0);
  const RunResult result = Run("info " + P("rich.lvl"));
  ASSERT_EQ(result.Status, 0);
  EXPECT_EQ(result.Out,
            "Size: 6 x 4\n"
            "Background: 2 (jungle)\n"
            "Chars: 4 (primary at 2, 2)\n"
            "Objects: 2\n"
            "Platforms: 2 (1 with a switch)\n"
            "Springs: 1\n"
            "Text markers: 2\n"
            "Custom text lines: 2\n");
}

TEST_F(ZuboLevelTest, BadUsageExitsWith64) {
  EXPECT_EQ(Run("").Status, 64);
  EXPECT_EQ(Run("frobnicate x").Status, 64);
  EXPECT_EQ(Run("dump").Status, 64);
  EXPECT_EQ(Run("build only-one.json").Status, 64);
  const RunResult help = Run("--help");
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("zubo-level dump FILE"), std::string::npos);
}

}  // namespace
