// Exercises 51 to 57: values stored in a vector, with statistics kept as they arrive.
#include <gtest/gtest.h>

#include "exercises/vectors/vector.h"
#include "tests/unit/harness.h"
#include "tests/unit/vectors/vector_test_support.h"

namespace ej::testing {
namespace {

TEST(Vector, ASubscriptOutsideTheVectorIsAFault) {
    vectors::Vector v(3.0f);
    v[2.5f] = 7.0f;  // to the nearest whole subscript, ties to even
    EXPECT_EQ(v[2.0f], Single(7.0f));
    EXPECT_EQ(v[3.0f], Single(0.0f)) << "an element not yet written";
    EXPECT_THROW(v[4.0f], ArithmeticFault);
    EXPECT_THROW(v[-1.0f], ArithmeticFault);
    EXPECT_EQ(v.text({",", "."}), " 0 7 0");
    vectors::Vector none;
    EXPECT_THROW(none[0.0f], ArithmeticFault) << "no vector yet";
}

TEST(StoredVector, ShowsEveryElementPrecededByOneBlank) {
    Opened w("frmej51");
    w.enterAll(counting(1, 14));
    EXPECT_EQ(w.text("txtej5102"), "");
    w.enter("15");
    EXPECT_EQ(w.text("txtej5102"), " 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15");
    EXPECT_EQ(w.text("txtej5103"), "8");
    EXPECT_EQ(w.text("txtej5101"), "15") << "the last value stays in the input box";
    EXPECT_FALSE(w.view().enabled("cmdej5101"));
    EXPECT_EQ(w.view().defaultButton, "cmdej5102");
}

TEST(StoredVector, StoresFractionsAndNegativesInTheSingleTextForm) {
    Opened w("frmej51");
    w.enterAll({"2.5", "-3", "1e7", "0.1"}).enterAll(times(11, "0"));
    EXPECT_EQ(w.text("txtej5102"), " 2,5 -3 1E+07 0,1 0 0 0 0 0 0 0 0 0 0 0");
}

TEST(StoredVector, ARefusalLeavesNoGapAndAResetStartsAtSubscriptOne) {
    Opened w("frmej51");
    w.enterAll({"100", "abc", "200", "300"}).reactivate();
    w.enterAll(counting(1, 7)).enter("").enterAll(counting(8, 15));
    EXPECT_EQ(w.text("txtej5102"), vectorText(counting(1, 15)));
    EXPECT_EQ(w.text("txtej5103"), "8");
}

TEST(StoredVector, AnOverflowingSumIsRefusedAndStoresNothing) {
    Opened w("frmej51");
    w.enterAll({"3e38", "3e38"});
    EXPECT_EQ(w.message(), "El valor 3e38 no es lo pedido");
    w.enterAll(times(14, "0"));
    EXPECT_EQ(w.text("txtej5102"), " 3E+38" + vectorText(times(14, "0")));
}

TEST(Frmej52, ZeroIsNegativeAndTheWordingIsItsOwn) {
    Opened w("frmej52");
    w.enter("abc");
    EXPECT_EQ(w.message(), "El valor abc no es númerico");
    w.enter("1.5");
    EXPECT_EQ(w.message(), "El valor 1.5 no es lo pedido");
    w.enterAll({"0", "-4", "-5"}).enterAll(times(14, "7"));
    w.enter("-1");
    EXPECT_EQ(w.text("txtej5203"), "4");
    EXPECT_EQ(w.text("txtej5204"), "-10");
    EXPECT_EQ(w.text("txtej5205"), "-2,5");
    EXPECT_EQ(w.text("txtej5201"), "-1");
}

TEST(Frmej52, AValueAboveZeroEmptiesTheInputBoxEvenTheLast) {
    Opened w("frmej52");
    w.enterAll(times(18, "3"));
    EXPECT_TRUE(w.complete());
    EXPECT_EQ(w.text("txtej5201"), "");
    for (const char* box : {"txtej5203", "txtej5204", "txtej5205"}) EXPECT_EQ(w.text(box), "No ingresó N° negativo");
}

TEST(Frmej53, EvenMagnitudesJoinTheClass) {
    Opened w("frmej53");
    w.enterAll({"-4", "0", "-3", "7", "2.5"}).enterAll(times(13, "1"));
    EXPECT_EQ(w.message(), "") << "2.5 was refused, then 1 accepted";
    w.enter("6");
    EXPECT_EQ(w.text("txtej5303"), "3");
    EXPECT_EQ(w.text("txtej5304"), "2");
    EXPECT_EQ(w.text("txtej5305"), "0,6666667");

    Opened odd("frmej53");
    odd.enterAll(times(18, "-1"));
    EXPECT_EQ(odd.text("txtej5305"), "No ingresó N° pares");
}

TEST(Frmej54, TheFirstOfEqualSmallestOddValuesKeepsItsPosition) {
    Opened w("frmej54");
    w.enter("-1");
    EXPECT_EQ(w.message(), "El valor -1 no es lo pedido");
    w.enterAll({"0", "9", "3", "8", "3", "11"}).enterAll(times(8, "4"));
    EXPECT_EQ(w.text("txtej5403"), "3");
    EXPECT_EQ(w.text("txtej5404"), "3");

    Opened even("frmej54");
    even.enterAll(times(14, "2"));
    EXPECT_EQ(even.text("txtej5403"), "No ingresó N° impar");
    EXPECT_EQ(even.text("txtej5404"), "No ingresó N° impar");
}

TEST(Frmej55, ExtremesKeepTheirFirstPositions) {
    struct Case {
        std::vector<std::string> values;
        const char *average, *largest, *largestAt, *smallest, *smallestAt;
    };
    for (const Case& c : {
             Case{times(16, "5"), "5", "5", "1", "5", "1"},
             Case{counting(16, 1), "8,5", "16", "1", "1", "16"},
             Case{std::vector<std::string>{"3", "9", "1", "9", "1"} + times(11, "4"), "4,1875", "9", "2", "1", "3"},
         }) {
        Opened w("frmej55");
        w.enterAll(c.values);
        EXPECT_EQ(w.text("txtej5503"), c.average);
        EXPECT_EQ(w.text("txtej5504"), c.largest);
        EXPECT_EQ(w.text("txtej5505"), c.largestAt);
        EXPECT_EQ(w.text("txtej5506"), c.smallest);
        EXPECT_EQ(w.text("txtej5507"), c.smallestAt);
    }
}

TEST(Frmej56, OddAndPositiveClassesAreIndependent) {
    Opened w("frmej56");
    w.enterAll({"0", "-3", "5"}).enterAll(times(12, "-2"));
    const std::vector<std::string> expected{"2", "2", "1", "2", "5", "2,5"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.text("txtej560" + std::to_string(i + 3)), expected[i]);

    Opened empty("frmej56");
    empty.enterAll(times(15, "-4"));
    EXPECT_EQ(empty.text("txtej5605"), "No ingresó N° impar");
    EXPECT_EQ(empty.text("txtej5606"), "No ingresó N° positivo");
    EXPECT_EQ(empty.text("txtej5608"), "No ingresó N° positivo");
}

TEST(Frmej57, ZeroJoinsBothClasses) {
    Opened w("frmej57");
    w.enterAll(times(16, "0"));
    for (const char* box : {"txtej5703", "txtej5706"}) EXPECT_EQ(w.text(box), "16");
    for (const char* box : {"txtej5704", "txtej5705", "txtej5707", "txtej5708"}) EXPECT_EQ(w.text(box), "0");

    Opened odd("frmej57");
    odd.enterAll(times(16, "-5"));
    EXPECT_EQ(odd.text("txtej5703"), "No ingresó N° par");
    EXPECT_EQ(odd.text("txtej5707"), "No ingresó N° positivo");
}

TEST(StoredVector, HugeWholeValuesAreEvenAndNeverHang) {
    Opened w("frmej57");
    w.enterAll({"1e37", "3e38"}).enterAll(times(14, "-1"));
    EXPECT_EQ(w.text("txtej5703"), "2");
    EXPECT_EQ(w.text("txtej5704"), "3,1E+38");
}

}  // namespace
}  // namespace ej::testing
