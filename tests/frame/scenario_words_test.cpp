// How a scenario line splits into words.

#include <gtest/gtest.h>

#include "scenario/words.hpp"

using scenario::SplitWords;
using Words = std::vector<std::string>;

TEST(ScenarioWords, BlanksSeparateAndQuotesHoldBlanks) {
  EXPECT_EQ(SplitWords("type  txtUm\t420").words, (Words{"type", "txtUm", "420"}));
  EXPECT_EQ(SplitWords(R"(expect-message "Enter a valid value..." "Invalid Um   ")").words,
            (Words{"expect-message", "Enter a valid value...", "Invalid Um   "}));
  EXPECT_EQ(SplitWords("expect lblRange caption \"Range II\"\r").words,
            (Words{"expect", "lblRange", "caption", "Range II"}));
}

TEST(ScenarioWords, EmptyQuotesAreAnEmptyWord) {
  EXPECT_EQ(SplitWords(R"(expect txtUm text "")").words, (Words{"expect", "txtUm", "text", ""}));
  EXPECT_EQ(SplitWords(R"(answer "" )").words, (Words{"answer", ""}));
}

TEST(ScenarioWords, EscapesInsideQuotes) {
  EXPECT_EQ(SplitWords(R"(set Text1(4) "a \"b\" c")").words, (Words{"set", "Text1(4)", "a \"b\" c"}));
  EXPECT_EQ(SplitWords(R"(set x "back\\slash")").words, (Words{"set", "x", "back\\slash"}));
  EXPECT_EQ(SplitWords(R"(set x "a\nb")").words, (Words{"set", "x", "a\\nb"}));  // other escapes stay as typed
  EXPECT_EQ(SplitWords(R"(set x a\b)").words, (Words{"set", "x", "a\\b"}));     // no escapes outside quotes
  EXPECT_EQ(SplitWords(R"(set x "\\")").words, (Words{"set", "x", "\\"}));
}

TEST(ScenarioWords, QuotedPartsJoinTheirWord) {
  EXPECT_EQ(SplitWords(R"(answer ab"c d"e)").words, (Words{"answer", "abc de"}));
}

TEST(ScenarioWords, AnOpenQuoteIsAnError) {
  EXPECT_FALSE(SplitWords(R"(type txtUm "42)").error.empty());
  EXPECT_FALSE(SplitWords(R"(type txtUm "42\")").error.empty());
  EXPECT_TRUE(SplitWords(R"(type txtUm "42\\")").error.empty());
}

TEST(ScenarioWords, CommentsAndBlankLinesHoldNoStep) {
  EXPECT_TRUE(scenario::IsBlankOrComment(""));
  EXPECT_TRUE(scenario::IsBlankOrComment("   \t\r"));
  EXPECT_TRUE(scenario::IsBlankOrComment("  # a comment"));
  EXPECT_FALSE(scenario::IsBlankOrComment("start # not a comment"));
}
