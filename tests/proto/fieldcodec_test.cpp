#include "core/numbers.h"
#include "core/usererror.h"
#include "proto/fieldcodec.h"

#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace zantrel;

namespace {
QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

// The decimal display's way into a field: the number read, then its hex text.
void storeDecimal(QByteArray& bytes, int offset, int width, const QString& text) {
    hexToField(bytes, offset, width, hexText(std::uint32_t(strToInt(text)), 2 * width));
}
} // namespace

TEST(FieldCodec, TextRoutines) {
    EXPECT_EQ(revhex("AABBCCDD"), "DDCCBBAA");
    EXPECT_EQ(revhex("ABC"), "AB");
    EXPECT_EQ(revhex("A"), "");
    EXPECT_EQ(revhex(""), "");

    const struct {
        const char* text;
        int value;
    } digits[] = {{"0", 0}, {"9", 9},  {"A", 10}, {"F", 15}, {"10", 16}, {"a", 17},
                  {"", 17}, {"-", 17}, {" ", 17}, {"G", 17}, {"00", 17}};
    for (const auto& d : digits)
        EXPECT_EQ(shorthextoint(QString::fromLatin1(d.text)), d.value) << d.text;

    const struct {
        const char* text;
        std::uint32_t value;
    } numbers[] = {{"", 0},       {"FFFFFFFF", 0xFFFFFFFF},  {"a", 17},        {"-1", 273},
                   {"01F4", 500}, {"1FFFFFFFF", 0xFFFFFFFF}, {"100000000", 0}, {"0G", 17}};
    for (const auto& n : numbers)
        EXPECT_EQ(hextoint(QString::fromLatin1(n.text)), n.value) << n.text;
}

TEST(FieldCodec, ReadsFieldsAsHexAndDecimal) {
    const QByteArray file = bytes({0x01, 0x00, 0x01, 0xF4, 0xFF, 0xFF, 0xFF, 0xFF, 0x0A});
    EXPECT_EQ(fieldValue(file, 2, 2), 500u);
    EXPECT_EQ(fieldValue(file, 4, 4), 4294967295u);
    EXPECT_EQ(fieldValue(file, 0, 1), 1u);
    EXPECT_EQ(fieldToHex(file, 2, 2), "01F4");
    EXPECT_EQ(fieldToHex(file, 0, 1), "01");
    // Bytes past the end read as 0 in their place.
    EXPECT_EQ(fieldToHex(file, 8, 4), "0A000000");
    EXPECT_EQ(fieldValue(file, 8, 2), 2560u);
    EXPECT_EQ(fieldValue(file, 40, 4), 0u);
    EXPECT_EQ(fieldToHex(QByteArray(), 0, 2), "0000");
}

TEST(FieldCodec, DecimalTextStoresBigEndianOrLeadingDigits) {
    const struct {
        const char* text;
        int width;
        QByteArray stored;
    } cases[] = {
        {"500", 2, bytes({0x01, 0xF4})},   {"-1", 4, bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {"-1", 2, bytes({0xFF, 0xFF})},    {"-1", 1, bytes({0xFF})},
        {"-2", 2, bytes({0xFF, 0xFF})},    {"256", 1, bytes({0x10})},
        {"65536", 2, bytes({0x10, 0x00})}, {"-5", 4, bytes({0xFF, 0xFF, 0xFF, 0xFB})},
        {"$1F", 1, bytes({0x1F})},         {"2147483647", 4, bytes({0x7F, 0xFF, 0xFF, 0xFF})},
        {"0", 4, bytes({0, 0, 0, 0})},
    };
    for (const auto& c : cases) {
        QByteArray file = bytes({0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA});
        storeDecimal(file, 1, c.width, QString::fromLatin1(c.text));
        EXPECT_EQ(file.mid(1, c.width).toHex(), c.stored.toHex()) << c.text;
        EXPECT_EQ(file[0], char(0xAA));
        EXPECT_EQ(file.mid(1 + c.width), QByteArray(5 - c.width, char(0xAA))) << c.text;
    }
}

TEST(FieldCodec, DecimalTextRefusesNonNumbersAndWritesNothing) {
    for (const char* t : {"", "4294967295", "abc", "1.0"}) {
        QByteArray file = bytes({1, 2, 3, 4});
        try {
            storeDecimal(file, 0, 4, QString::fromLatin1(t));
            ADD_FAILURE() << t;
        } catch (const UserError& e) {
            EXPECT_EQ(e.text(),
                      QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(t)));
        }
        EXPECT_EQ(file, bytes({1, 2, 3, 4}));
    }
}

TEST(FieldCodec, HexTextGoesIntoTheFieldPairByPair) {
    const struct {
        const char* text;
        int width;
        QByteArray stored;
    } cases[] = {
        {"01", 2, bytes({0x01, 0x00})},
        {"0001", 2, bytes({0x00, 0x01})},
        {"FFFFFFFF", 4, bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {"00000005", 4, bytes({0, 0, 0, 5})},
        {"ABC", 2, bytes({0xAB, 0x00})},
        {"FFFFFFFF", 1, bytes({0xFF})},
        {"", 2, bytes({0, 0})},
        {"1", 1, bytes({0})},
    };
    for (const auto& c : cases) {
        QByteArray file(8, char(0x55));
        hexToField(file, 2, c.width, QString::fromLatin1(c.text));
        EXPECT_EQ(file.mid(2, c.width).toHex(), c.stored.toHex()) << c.text;
        EXPECT_EQ(file.left(2), QByteArray(2, char(0x55)));
    }
}

TEST(FieldCodec, WritesPastTheEndGrowTheBytes) {
    QByteArray file = bytes({4, 0, 0, 1});
    hexToField(file, 28, 4, "FFFFFFFF");
    ASSERT_EQ(file.size(), 32);
    EXPECT_EQ(file.mid(4, 24), QByteArray(24, '\0'));
    EXPECT_EQ(fieldToHex(file, 28, 4), "FFFFFFFF");
    storeDecimal(file, 40, 2, "-1");
    EXPECT_EQ(file.size(), 42);
}

TEST(FieldCodec, EveryFieldRoundTripsThroughItsTexts) {
    for (int width : {1, 2, 4}) {
        for (std::uint32_t v : {0u, 1u, 0x7Fu, 0x80u, 0xFFu, 0x1234u, 0xFFFFu, 0x7FFFFFFFu}) {
            if (width < 4 && v >> (8 * width))
                continue;
            QByteArray file(6, '\0');
            setFieldValue(file, 1, width, v);
            QByteArray viaHex(6, '\0');
            hexToField(viaHex, 1, width, fieldToHex(file, 1, width));
            EXPECT_EQ(viaHex, file) << width << " " << v;
            QByteArray viaDecimal(6, '\0');
            storeDecimal(viaDecimal, 1, width, QString::number(fieldValue(file, 1, width)));
            EXPECT_EQ(viaDecimal, file) << width << " " << v;
        }
    }
}
