// Change-making: the breakdown into notes and coins, exercises 58 and 66.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "exercises/vectors/change.h"
#include "tests/unit/harness.h"

namespace ej::testing {
namespace {

using vectors::Change;

// The breakdown as the exercise states it, one subtraction at a time, in singles.
std::array<float, 7> breakdownByTheLoop(float amount, std::array<float, 7> counts) {
    float remainder = amount;
    for (std::size_t i = 0; i < vectors::kDenominations.size(); ++i)
        while (remainder >= vectors::kDenominations[i]) {
            remainder = remainder - vectors::kDenominations[i];
            counts[i] = counts[i] + 1.0f;
        }
    return counts;
}

std::array<float, 7> values(const Change& c) {
    std::array<float, 7> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = c.counts[i].value();
    return out;
}

TEST(Breakdown, TakesTheLargestDenominationFirstAndAddsUp) {
    Change c;
    c.breakDown(388.0f);
    EXPECT_EQ(values(c), (std::array<float, 7>{3, 1, 1, 1, 1, 1, 1}));
    Change twice;
    twice.breakDown(150.0f);
    twice.breakDown(150.0f);
    EXPECT_EQ(values(twice), (std::array<float, 7>{2, 2, 0, 0, 0, 0, 0}));
    twice.breakDown(0.0f);
    EXPECT_EQ(values(twice), (std::array<float, 7>{2, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(twice.remainder, Single(0.0f));
}

// Above 2^24 the subtractions round, and above 2^24 counts stop rising: the counts are
// still exactly the loop's, on both sides of every binade where the rounding changes.
TEST(Breakdown, IsExactlyTheLoopsForLargeAmounts) {
    std::vector<float> amounts{16777215, 16777216, 16777218, 33554432, 33554436, 67108864, 67108872,
                               67108880, 134217728, 268435456, 268435424, 536870912, 2147483520.0f};
    std::mt19937 random(2005);
    for (int e = 24; e < 29; ++e)
        for (int i = 0; i < 6; ++i)
            amounts.push_back(std::ldexp(std::uniform_real_distribution<float>(1.0f, 2.0f)(random), e));
    for (float a : amounts) {
        const float whole = std::floor(a);
        Change c;
        c.breakDown(whole);
        EXPECT_EQ(values(c), breakdownByTheLoop(whole, {})) << whole;
    }
}

TEST(Breakdown, CountsStopAtTwoToThe24AsTheLoopsDo) {
    Change c;
    c.breakDown(2147483648.0f);
    const auto first = values(c);
    c.breakDown(1073741824.0f);
    EXPECT_EQ(values(c), breakdownByTheLoop(1073741824.0f, first));
    EXPECT_EQ(c.counts[0], Single(16777216.0f));
}

TEST(Breakdown, EndsUpToTwoToThe31) {
    EXPECT_TRUE(vectors::breakdownEnds(2147483648.0f));
    EXPECT_FALSE(vectors::breakdownEnds(2147483904.0f));  // 2^31 + 256
    EXPECT_FALSE(vectors::breakdownEnds(3e38f));
    Change c;
    EXPECT_THROW(c.breakDown(2147483904.0f), ArithmeticFault) << "a breakdown that would never end";
}

TEST(NetAmount, DeductsSeventeenPercentAndRoundsTheCentsUp) {
    const std::vector<std::pair<float, float>> table{
        {1000, 830}, {1001, 831}, {12.05f, 10}, {1, 1}, {0.01f, 0}, {100, 83}, {1.21f, 1}, {1.22f, 2}};
    for (const auto& [gross, net] : table) EXPECT_EQ(vectors::netAmount(gross), Single(net)) << gross;
}

TEST(Frmej58, ALargeAmountIsBrokenDownWithoutHanging) {
    Opened w("frmej58");
    w.enter("2147483648").enterAll(times(17, "0"));
    ASSERT_TRUE(w.complete());
    EXPECT_EQ(w.text("txtej5803"), "2,147484E+09");
    EXPECT_EQ(w.text("txtej5804"), "1,677722E+07");
}

// Exercise 66.

class Frmej66 : public ::testing::Test {
protected:
    void quantity(const std::string& text) {
        w.view().setText("txtej6601", text);
        w.click("cmdej6601");
    }
    void amount(const std::string& text) {
        w.view().setText("txtej6602", text);
        w.click("cmdej6602");
    }
    void amounts(const std::vector<std::string>& texts) {
        for (const auto& t : texts) amount(t);
    }
    bool enabled(const char* control) { return w.view().enabled(control); }

    Opened w{"frmej66"};
};

// Its states: the number of wages, then the amounts, then done; the breakdown of a
// series is in its scenario.
TEST_F(Frmej66, TakesTheNumberOfWagesThenTheAmountsThenLocks) {
    quantity("2");
    EXPECT_EQ(w.text("txtej6601"), "2") << "the number stays";
    EXPECT_FALSE(enabled("txtej6601") || enabled("cmdej6601"));
    EXPECT_EQ(w.view().focused, "txtej6602");
    EXPECT_EQ(w.view().defaultButton, "cmdej6602");
    amounts({"1000", "1001"});
    EXPECT_EQ(w.text("txtej6602"), "1001");
    EXPECT_FALSE(enabled("txtej6602") || enabled("cmdej6602"));
    EXPECT_EQ(w.view().defaultButton, "cmdej6603");
}

TEST_F(Frmej66, RefusesNumbersAndAmountsThatAreNotAskedFor) {
    for (const char* refused : {"2.5", "-1", "0", "1e39"}) {
        quantity(refused);
        EXPECT_EQ(w.message(), "El valor " + std::string(refused) + " no es lo pedido");
    }
    amount("");
    EXPECT_EQ(w.message(), "El valor  no es numérico") << "the numeric test comes first";
    amount("0");
    EXPECT_EQ(w.message(), "El valor 0 no es lo pedido");
    quantity("5");
    for (const char* refused : {"0", "-5", "3e9", "3e38"}) {
        amount(refused);
        EXPECT_EQ(w.message(), "El valor " + std::string(refused) + " no es lo pedido");
    }
    // 12,05 pays 10 (10,0015); from 2^31 + 256 up a net amount could not be broken down.
    amounts({"1000", "1001", "12.05", "0.01", "2.5e9"});
    EXPECT_EQ(w.text("txtej6603"), " 1000 1001 12,05 0,01 2,5E+09");
    EXPECT_EQ(w.text("txtej6605"), "2,075002E+09");
}

TEST_F(Frmej66, AResetWhileEnteringAmountsSendsBackToTheNumber) {
    quantity("3");
    amounts({"500", "600"});
    w.reactivate();
    amount("700");
    EXPECT_EQ(w.message(), "Debe ingresar la cantidad de sueldos");
    EXPECT_TRUE(enabled("txtej6601") && enabled("cmdej6601"));
    EXPECT_EQ(w.view().defaultButton, "cmdej6601");
    EXPECT_EQ(w.view().focused, "txtej6601");
    quantity("2");
    amounts({"10", "20"});
    EXPECT_EQ(w.text("txtej6603"), " 10 20") << "nothing of the earlier series";
}

}  // namespace
}  // namespace ej::testing
