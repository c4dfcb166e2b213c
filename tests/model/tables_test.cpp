// Tables sized to the problem, and the reader that hands out a file's lines.
#include "model/tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "model/text_file.h"
#include "support/temp_path.h"

namespace quorel {
namespace {

TEST(PairTable, ResizingKeepsWhatFitsAndAlignsEveryRow) {
  PairTable<float> t;
  t.SizeFor(5);
  t(2, 3) = 2.0f;
  t(5, 5) = 5.0f;
  t.SizeFor(3);
  EXPECT_EQ(t.Rows(), 4);
  EXPECT_EQ(t(2, 3), 2.0f);
  t.SizeFor(40);
  EXPECT_EQ(t(2, 3), 2.0f);
  EXPECT_EQ(t(5, 5), 0.0f);  // outside the smaller size: not kept
  for (int i = 0; i <= 40; ++i) EXPECT_EQ(reinterpret_cast<std::uintptr_t>(t.Row(i)) % 64, 0u) << i;
}

TEST(TextReader, LinesEndAtCrLfLfOrCr) {
  const auto path = testing::TempPath("text_reader.txt");
  std::ofstream(path, std::ios::binary) << "a\r\nb\nc\rd\r\n\r\ne";
  TextReader in(path.string());
  std::vector<std::string> lines;
  while (!in.AtEnd()) lines.push_back(in.ReadLine());
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace quorel
