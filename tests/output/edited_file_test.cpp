// The text reader's file: size limit, line ends, byte-exact saves and the
// save commands it allows.
#include "output/edited_file.h"

#include "output/output_test_support.h"

namespace quorel {
namespace {

using testing::FakePlatform;
namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// What a save writes for a file loaded and not edited.
std::string SavedAsLoaded(const std::string& bytes) {
  return FileBytes(EditorLines(bytes), FileLineEnd(bytes));
}

TEST(EditedFile, LineEndsAreKeptAndExactlyOneEndsTheText) {
  const std::string high = "caf\xE9 \xA0\x85\xFF\x01";
  const struct {
    std::string file, saved;
  } cases[] = {{"a\r\nb", "a\r\nb\r\n"},
               {"a\nb", "a\nb\n"},
               {"a\rb\r", "a\rb\r"},
               {"x", "x\r\n"},
               {"", ""},
               {"a\r\n\r\n", "a\r\n\r\n"},
               {high + "\r\n", high + "\r\n"}};
  for (const auto& c : cases) EXPECT_EQ(SavedAsLoaded(c.file), c.saved) << c.file;
  EXPECT_EQ(EditorLines("a\r\nb\rc\nd"), "a\nb\nc\nd");
}

TEST(EditedFile, LimitCutsTheFileAndDisablesEverySave) {
  testing::ScratchFolder folder("edited_limit");
  for (std::size_t size : {kMaxEditorBytes, kMaxEditorBytes + 1}) {
    fs::path path = folder / ("f" + std::to_string(size) + ".dat");
    WriteBytes(path, std::string(size, 'x'));
    FakePlatform platform;
    Session s;
    EditedFile file(true);
    std::optional<std::string> lines = file.Load(path.string(), platform);
    bool cut = size > kMaxEditorBytes;
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), kMaxEditorBytes);
    EXPECT_EQ(platform.messages.size(), cut ? 1u : 0u);
    EXPECT_EQ(file.CanSave(), !cut);
    EXPECT_EQ(file.SaveExitRead(s, *lines, platform), !cut);
    EXPECT_EQ(s.ui.ReadWithoutDialog, !cut);
    EXPECT_EQ(fs::file_size(path), cut ? size : size + 2);
  }
}

TEST(EditedFile, SaveReopenSaveIsByteIdentical) {
  testing::ScratchFolder folder("edited_bytes");
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  bytes += "\r\nNOBJECTS=3\r\n";
  fs::path path = folder / "d.dat";
  WriteBytes(path, bytes);
  FakePlatform platform;
  for (int round = 0; round < 2; ++round) {
    EditedFile file(false);
    std::optional<std::string> lines = file.Load(path.string(), platform);
    ASSERT_TRUE(lines && file.Save(*lines, platform));
    EXPECT_EQ(testing::FileText(path), bytes);
  }
  EXPECT_EQ(platform.clicks, 2);
}

TEST(EditedFile, FailuresAndCancelsChangeNothing) {
  testing::ScratchFolder folder("edited_fail");
  fs::path first = folder / "first.txt";
  WriteBytes(first, "one\r\n");
  FakePlatform platform;
  Session s;
  EditedFile file(false);
  EXPECT_FALSE(file.Save("text", platform));  // no file yet: a beep
  EXPECT_EQ(platform.beeps, 1);
  ASSERT_TRUE(file.Load(first.string(), platform));
  EXPECT_FALSE(file.Load((folder / "none.txt").string(), platform));
  EXPECT_FALSE(file.Load(folder.path().string(), platform));  // a folder is no text
  EXPECT_FALSE(file.SaveAs("", "changed", platform));         // Save As cancelled
  EXPECT_FALSE(file.SaveAs((folder / "no" / "x.txt").string(), "changed", platform));
  EXPECT_EQ(platform.LastCode(), "ErrMsgW2");
  EXPECT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(file.FileName(), first.string());
  // Not a file its caller reads: SaveExit&Read neither saves nor asks.
  EXPECT_FALSE(file.SaveExitRead(s, "changed", platform));
  EXPECT_FALSE(s.ui.ReadWithoutDialog);
  EXPECT_EQ(testing::FileText(first), "one\r\n");
  ASSERT_TRUE(file.SaveAs((folder / "second.txt").string(), "two", platform));
  EXPECT_EQ(file.FileName(), (folder / "second.txt").string());
  EXPECT_EQ(testing::FileText(folder / "second.txt"), "two\r\n");
}

TEST(EditedFile, TextBoxNeverGetsANegativeSize) {
  for (auto [w, h] : {std::pair{0, 0}, {299, 99}, {200, 5000}, {9000, 6000}}) {
    TextBoxPlace p = PlaceTextBox(w, h);
    EXPECT_EQ(p.width, std::max(0, w - 300));
    EXPECT_EQ(p.height, std::max(0, h - 100));
  }
}

}  // namespace
}  // namespace quorel
