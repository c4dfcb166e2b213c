#include <gtest/gtest.h>

#include <string>

#include "input/line_tokenizer.h"

namespace quorel {
namespace {

struct TokenCase {
  std::string input;
  std::string expected;
};

class TokenizeLineTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizeLineTest, GivesCanonicalRow) {
  std::string line = GetParam().input;
  int length = TokenizeLine(line);
  EXPECT_EQ(line, GetParam().expected);
  EXPECT_EQ(length, static_cast<int>(GetParam().expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TokenizeLineTest,
    ::testing::Values(TokenCase{"New York, 3.2 ; 4", "New@York,3.2,4"},
                      TokenCase{"NA 3 4", "NA,3,4"}, TokenCase{"a,,b", "a,b"}, TokenCase{"", ""},
                      TokenCase{"Item 1, 2", "Item,1,2"}, TokenCase{"NA NA 3", "NA,NA,3"},
                      TokenCase{"Big Apple 2", "Big@Apple,2"}, TokenCase{", 3", ",3"},
                      TokenCase{"1\t2\t3", "1,2,3"}, TokenCase{" , ; ,", ""},
                      TokenCase{"Caf\xE9 Noir 1", "Caf,Noir,1"},
                      // A blank before the last-but-one position is not glued.
                      TokenCase{"Big A", "Big,A"},
                      // Codes 21..31 are kept, codes below 21 become separators.
                      TokenCase{std::string("a\x15") + "b 1",
                                "a\x15"
                                "b,1"},
                      TokenCase{std::string("1\x01"
                                            "2"),
                                "1,2"},
                      // A name followed by a comma keeps its blank as a separator.
                      TokenCase{"New York ,1", "New@York,1"},
                      TokenCase{"-1.5e+3 +.2", "-1.5e+3,+.2"}, TokenCase{"na 1 2", "na,1,2"},
                      // Only a whole token NA stays apart: a name ending in "na" is glued.
                      TokenCase{"Ana Maria 1", "Ana@Maria,1"},
                      TokenCase{"1 NA Maria", "1,NA,Maria"},
                      // ... but never to a missing value that follows it.
                      TokenCase{"Tina NA 0.3", "Tina,NA,0.3"}, TokenCase{"Tina na", "Tina,na"},
                      TokenCase{"Tina Nancy 1", "Tina@Nancy,1"}, TokenCase{"  x  y  ", "x,y"},
                      TokenCase{",5,", "5"}, TokenCase{",", ""}, TokenCase{"O'Hara 3", "O'Hara,3"},
                      TokenCase{"\xFF\xFE\x80", ""}));

TEST(TokenizeLineTest, LongLineKeepsEveryToken) {
  std::string line;
  for (int i = 0; i < 5000; ++i) line += "1 ";
  EXPECT_EQ(TokenizeLine(line), 5000 * 2 - 1);
}

struct KeywordCase {
  std::string input;
  std::string expected;
};

class NormalizeKeywordLineTest : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(NormalizeKeywordLineTest, RewritesForeignKeywords) {
  std::string line = GetParam().input;
  std::string memo;
  NormalizeKeywordLine(line, memo);
  EXPECT_EQ(line, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, NormalizeKeywordLineTest,
                         ::testing::Values(KeywordCase{"RUN NAME Cities", "TITLE= Cities"},
                                           KeywordCase{"TASK NAME road km", "SUBTITLE= road km"},
                                           KeywordCase{"NAMES", "OBJECTNAMESLIST"},
                                           KeywordCase{"LABELS x", "OBJECTNAMESLIST"},
                                           KeywordCase{"OBJECTLABELSLIST", "OBJECTNAMESLIST"},
                                           KeywordCase{"READ CONFIG", "LOCATIONLIST"},
                                           KeywordCase{"READ MATRIX", ""},
                                           KeywordCase{"DIMENSIONS 3", "DimensionsNum= 3"},
                                           KeywordCase{"COMMENT x", "COMMENT x"},
                                           KeywordCase{"run name lower", "run name lower"},
                                           KeywordCase{"TITLE=x", "TITLE=x"}, KeywordCase{"", ""}));

// Every spelling of "number of" with every word for objects and attributes.
TEST(NormalizeKeywordLineTest, CountsOfSubjectsCasesVariablesAndStimuli) {
  for (const char* number_of : {"NO OF ", "N OF ", "# OF "}) {
    for (auto [noun, keyword] : {std::pair{"SUBJECTS 5", "NOBJECTS= 5"},
                                 {"CASES 5", "NOBJECTS= 5"},
                                 {"VARIABLES 12", "NATTRIBUTES= 12"},
                                 {"VARS 12", "NATTRIBUTES= 12"},
                                 {"STIMULI 4", "NATTRIBUTES= 4"}}) {
      std::string line = std::string(number_of) + noun, memo;
      NormalizeKeywordLine(line, memo);
      EXPECT_EQ(line, keyword) << number_of << noun;
    }
  }
}

TEST(NormalizeKeywordLineTest, ParametersChooseTheListOfReadMatrix) {
  struct Case {
    std::string parameters, list;
  };
  for (const Case& c : {Case{"PARAMETERS DATA(0)", "SimilarityList"},
                        Case{"PARAMETERS = data(2) ", "SimilarityList"},
                        Case{"PARAMETERS=DATA(1)", "DissimilarityList"},
                        Case{"PARAMETERS DATA(3)", "DissimilarityList"},
                        Case{"PARAMETERS ATTRIBUTES", "AttributeList"}}) {
    std::string memo;
    std::string line = c.parameters;
    NormalizeKeywordLine(line, memo);
    EXPECT_EQ(line, c.parameters) << "the PARAMETERS line itself is unchanged";
    line = "READ MATRIX";
    NormalizeKeywordLine(line, memo);
    EXPECT_EQ(line, c.list) << c.parameters;
  }
}

TEST(NormalizeKeywordLineTest, UnknownParametersKeepTheMemory) {
  std::string memo = "AttributeList";
  std::string line = "PARAMETERS DATA(9)";
  NormalizeKeywordLine(line, memo);
  EXPECT_EQ(memo, "AttributeList");
}

}  // namespace
}  // namespace quorel
