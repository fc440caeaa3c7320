#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/FormattedFile.h"
#include "core/Text.h"

namespace {

// A temporary file holding text, rewound for reading.
struct TextFile {
    std::FILE* file;
    explicit TextFile(const std::string& text) : file(std::tmpfile()) {
        std::fputs(text.c_str(), file);
        std::rewind(file);
    }
    ~TextFile() { std::fclose(file); }
    std::string Rest() {
        std::string rest;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            rest += static_cast<char>(c);
        return rest;
    }
};

TEST(FormatText, NeverWritesPastTheBufferAndEmptiesItWhenTheTextDoesNotFit) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "Save %d", 3), 6);
    EXPECT_STREQ(buffer, "Save 3");
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "%s", "1234567"), 7);  // exactly fills with the terminator
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "%s", "12345678"), -1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(FormatText(buffer, 0, "%s", ""), -1);
}

TEST(ReadFormatted, LineFeedInThePatternSkipsBlankLinesAndSpacing) {
    TextFile text("UP 25\n\n\n   DOWN    18\r\n");
    int32_t up = 0;
    int32_t down = 0;
    EXPECT_EQ(ReadFormatted(text.file, "UP %d\n", &up), 1);
    EXPECT_EQ(ReadFormatted(text.file, "DOWN %d\n", &down), 1);
    EXPECT_EQ(up, 25);
    EXPECT_EQ(down, 18);
}

TEST(ReadFormatted, AFailedFieldKeepsItsValueAndTheNextScanStartsWhereItStopped) {
    TextFile text("UP 25\nLEFT 16\n");
    int32_t up = 0;
    int32_t right = 77;
    int32_t left = 0;
    ReadFormatted(text.file, "UP %d\n", &up);
    EXPECT_EQ(ReadFormatted(text.file, "RIGHT %d\n", &right), 0);  // the literal R meets L
    EXPECT_EQ(right, 77);
    EXPECT_EQ(ReadFormatted(text.file, "LEFT %d\n", &left), 1);
    EXPECT_EQ(left, 16);
}

TEST(ReadFormatted, MalformedNumbersAndPartlyMatchingWordsKeepOldValues) {
    TextFile text("VOLUME abc\nENTRY 5\n");
    float volume = 10.0f;
    int32_t enter = 58;
    EXPECT_EQ(ReadFormatted(text.file, "VOLUME %f\n", &volume), 0);
    EXPECT_EQ(volume, 10.0f);
    // "ENT" of ENTRY matches the pattern, then R meets E: the scan stops there, R unread
    EXPECT_EQ(ReadFormatted(text.file, "abc\nENTER %d\n", &enter), 0);
    EXPECT_EQ(enter, 58);
    EXPECT_EQ(text.Rest(), "RY 5\n");  // what the failed literal left behind
}

TEST(ReadFormatted, NumbersOfEveryWidthAndFloatsInFixedNotation) {
    TextFile text("Gold -20 count 65535 speed 10.500000 ratio 1.5e2\n");
    int32_t gold = 0;
    uint16_t count = 0;
    float speed = 0;
    double ratio = 0;
    EXPECT_EQ(ReadFormatted(text.file, "Gold %d count %hu speed %f ratio %lf", &gold, &count, &speed, &ratio),
              4);
    EXPECT_EQ(gold, -20);
    EXPECT_EQ(count, 65535);
    EXPECT_FLOAT_EQ(speed, 10.5f);
    EXPECT_DOUBLE_EQ(ratio, 150.0);
}

TEST(ReadFormatted, StringConversionsAreBoundedByTheirDestination) {
    TextFile text("Inv HP_Potion_with_a_very_long_name\nName: Pell the Brave\nXY");
    char shortName[8];
    char line[100];
    char pair[2];
    EXPECT_EQ(ReadFormatted(text.file, "Inv %s\n", shortName), 1);
    EXPECT_STREQ(shortName, "HP_Poti");     // 7 characters and the terminator
    ReadFormatted(text.file, "%*[^\n]\n");  // the rest of that word's line
    EXPECT_EQ(ReadFormatted(text.file, "Name: %[^\n]\n", line), 1);
    EXPECT_STREQ(line, "Pell the Brave");
    EXPECT_EQ(ReadFormatted(text.file, "%2c", pair), 1);
    EXPECT_EQ(pair[0], 'X');
    EXPECT_EQ(pair[1], 'Y');
}

TEST(ReadFormatted, EndOfFileBeforeTheFirstFieldGivesEof) {
    TextFile empty("");
    int32_t value = 3;
    EXPECT_EQ(ReadFormatted(empty.file, "UP %d\n", &value), EOF);
    EXPECT_EQ(value, 3);
    TextFile half("UP ");
    EXPECT_EQ(ReadFormatted(half.file, "UP %d\n", &value), EOF);
    EXPECT_EQ(ReadFormatted(nullptr, "UP %d\n", &value), EOF);
}

TEST(ReadFormatted, APatternThatDoesNotFitItsFieldsAssignsNothing) {
    TextFile text("12 abc\n");
    char word[4];
    EXPECT_EQ(ReadFormatted(text.file, "%s %s", word), 1);  // only one destination for two strings
    EXPECT_STREQ(word, "12");
}

TEST(WriteFormatted, WritesLikePrintf) {
    std::FILE* file = std::tmpfile();
    EXPECT_EQ(WriteFormatted(file, "VOLUME %f\n", 10.0), 17);
    std::rewind(file);
    char line[32] = {};
    ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
    EXPECT_STREQ(line, "VOLUME 10.000000\n");
    std::fclose(file);
    EXPECT_LT(WriteFormatted(nullptr, "x"), 0);
}

}  // namespace
