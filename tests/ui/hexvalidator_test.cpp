#include "ui/hexvalidator.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace zantrel;

TEST(HexValidator, UpperCasesAndLimitsWhatIsTyped) {
    const struct {
        int length;
        bool hexOnly;
        const char* shown; // the box's text before the edit
        const char* typed;
        const char* result; // the input after validation
        bool accepted;
    } cases[] = {
        {0, true, "", "a1f", "A1F", true},
        {0, true, "", "A1G", "A1G", false},
        {0, true, "", "-1", "-1", false},
        {0, true, "", "123456789ABCDEF0", "123456789ABCDEF0", true}, // no length: any
        {4, true, "12", "12345", "12345", false},
        {4, true, "1234", "1234", "1234", true},
        // A longer text the program put there may be shortened, not lengthened.
        {2, true, "FFFFFFFF", "FFFFFFF", "FFFFFFF", true},
        {2, true, "FFFFFFFF", "FFFFFFFFF", "FFFFFFFFF", false},
        {2, false, "", "-1", "-1", true}, // the decimal display takes any characters
        {2, false, "", "-1x", "-1X", false},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        edit.setText(QLatin1String(c.shown));
        HexValidator v(&edit, c.length, c.hexOnly);
        QString input = QLatin1String(c.typed);
        int pos = 0;
        EXPECT_EQ(v.validate(input, pos) == QValidator::Acceptable, c.accepted) << c.typed;
        EXPECT_EQ(input, QLatin1String(c.result)) << c.typed;
    }
}
