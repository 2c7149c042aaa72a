#include "core/usererror.h"
#include "core/numbers.h"

#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

TEST(StrToInt, AcceptsDecimalAndHexForms) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0},
        {"  42", 42},
        {"+7", 7},
        {"-5", -5},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FF", 255},
        {"xff", 255},
        {"X10", 16},
        {"0x7fffffff", 0x7fffffff},
        {"0XFFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"007", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strToInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrToInt, RefusesWithTheConversionMessage) {
    const char* bad[] = {"",           " ",           "-",          "4294967295",
                         "2147483648", "-2147483649", "12a",        "1 ",
                         "$",          "0x",          "$123456789", "-$1",
                         "1.5",        "a",           "--1",        "99999999999999999999"};
    for (const char* t : bad) {
        const QString text = QString::fromLatin1(t);
        try {
            strToInt(text);
            ADD_FAILURE() << "accepted '" << t << "'";
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

TEST(StrToFloat, ReadsNumbersAndRefusesTheRest) {
    const struct {
        const char* text;
        double value;
    } good[] = {{"1", 1}, {" -2.5 ", -2.5}, {"3.", 3}, {".5", 0.5}, {"1e3", 1000}, {"+0", 0}};
    for (const auto& c : good)
        EXPECT_DOUBLE_EQ(strToFloat(QString::fromLatin1(c.text)), c.value) << c.text;
    for (const char* t : {"", "abc", "0A", "1e", "1.2.3", "$10", "-", "nan", "inf", "1e999"}) {
        try {
            strToFloat(QString::fromLatin1(t));
            ADD_FAILURE() << "accepted '" << t << "'";
        } catch (const UserError& e) {
            EXPECT_EQ(
                e.text(),
                QStringLiteral("'%1' is not a valid floating point value").arg(QLatin1String(t)));
        }
    }
}

TEST(LenientInt, TakesThePartThatReads) {
    const struct {
        const char* text;
        std::uint32_t value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"123abc", 123},
        {"-1", 0xFFFFFFFF},
        {"  65535", 65535},
        {"$1F", 31},
        {"0x1fz", 31},
        {"4294967295", 0xFFFFFFFF},
        {"4294967296", 0},
        {"+12", 12},
        {"-", 0},
        {"255 1", 255},
        {"x10", 0},
        {"-$10", 0xFFFFFFF0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lenientInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour) {
    const struct {
        double in;
        double out;
    } cases[] = {{76.5, 76}, {57.5, 58}, {12.5, 12}, {62.5, 62},  {0.5, 0},    {1.5, 2},
                 {-2.5, -2}, {-0.4, 0},  {2.6, 3},   {7.1428, 7}, {33.33, 33}, {500.0, 500}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(roundHalfEvenToInt(32768.0 * 100 / 65536), 50);
    EXPECT_EQ(roundHalfEvenToInt(-3.5), -4);
    EXPECT_EQ(roundHalfEvenToInt(1e30), 0); // out of range reads as 0, never undefined
}

TEST(HexText, UpperCaseAndZeroPaddedNeverCut) {
    const struct {
        std::uint32_t value;
        int digits;
        const char* text;
    } cases[] = {
        {0, 2, "00"},
        {0xab, 2, "AB"},
        {0xab, 4, "00AB"},
        {0x1ff, 2, "1FF"}, // wider than asked: kept whole
        {0xFFFFFFFFu, 8, "FFFFFFFF"},
        {0xdeadbeef, 8, "DEADBEEF"},
        {7, 1, "7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hexText(c.value, c.digits), QLatin1String(c.text)) << c.text;
}

TEST(HexText, IsHexDigitTakesBothLetterCases) {
    for (char c : std::string("0123456789abcdefABCDEF"))
        EXPECT_TRUE(isHexDigit(QLatin1Char(c))) << c;
    for (char c : std::string("gGzZ /:@`-$x"))
        EXPECT_FALSE(isHexDigit(QLatin1Char(c))) << c;
    EXPECT_FALSE(isHexDigit(QChar(0xFF21))); // a full-width "A"
}
