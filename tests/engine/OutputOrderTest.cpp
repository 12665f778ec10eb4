// The written form of boxed singles and doubles under every order code.

#include "engine/OutputOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

struct OrderRow {
    const char* name;
    int d1, d2, d3;
    const char *sixWay, *llh, *lhh;
    const char* written;
};

TEST(OutputOrder, EveryCodeOfEveryFamily) {
    const std::vector<OrderRow> rows{
        // A single 2, 7, 4 is sorted 2 4 7 whatever order it comes in.
        {"single LMH", 2, 7, 4, "LMH", "LLH", "LHH", "247"},
        {"single LHM", 2, 7, 4, "LHM", "LLH", "LHH", "274"},
        {"single MLH", 2, 7, 4, "MLH", "LLH", "LHH", "427"},
        {"single MHL", 2, 7, 4, "MHL", "LLH", "LHH", "472"},
        {"single HLM", 2, 7, 4, "HLM", "LLH", "LHH", "724"},
        {"single HML", 7, 4, 2, "HML", "LLH", "LHH", "742"},
        // Lower digit doubled: sorted 3 3 8.
        {"double LLH", 8, 3, 3, "LMH", "LLH", "LHH", "338"},
        {"double LHL", 8, 3, 3, "LMH", "LHL", "LHH", "383"},
        {"double HLL", 8, 3, 3, "LMH", "HLL", "LHH", "833"},
        // Higher digit doubled: sorted 1 6 6.
        {"double LHH", 6, 1, 6, "LMH", "LLH", "LHH", "166"},
        {"double HLH", 6, 1, 6, "LMH", "LLH", "HLH", "616"},
        {"double HHL", 1, 6, 6, "LMH", "LLH", "HHL", "661"},
        {"339 takes the LLH code", 3, 3, 9, "HML", "HLL", "HHL", "933"},
        {"399 takes the LHH code", 3, 9, 9, "HML", "HLL", "HHL", "993"},
        {"552 default order", 5, 5, 2, "LMH", "LLH", "LHH", "255"},
        {"doubles with 0", 0, 9, 0, "LMH", "LHL", "HHL", "090"},
        {"triple", 4, 4, 4, "LMH", "LLH", "LHH", ""},
        // A code outside its family writes nothing.
        {"single with a double code", 1, 2, 3, "LLH", "LLH", "LHH", ""},
        {"single with a lower-case code", 1, 2, 3, "lmh", "LLH", "LHH", ""},
        {"single with an empty code", 1, 2, 3, "", "LLH", "LHH", ""},
        {"LLH double with a six-way code", 1, 1, 3, "LMH", "LMH", "LHH", ""},
        {"LLH double with an LHH code", 1, 1, 3, "LMH", "LHH", "LLH", ""},
        {"LHH double with an LLH code", 1, 3, 3, "LMH", "LHH", "LLH", ""},
        {"LHH double with a long code", 1, 3, 3, "LMH", "LLH", "LHHL", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const OutputOrder order{r.sixWay, r.llh, r.lhh};
        EXPECT_EQ(fnBoxedOutputOrder(r.d1, r.d2, r.d3, order), r.written);
    }
}

// Whatever the code, a written single or double holds exactly the number's digits.
TEST(OutputOrder, WrittenFormKeepsTheDigits) {
    for (int six = 0; six < 6; ++six) {
        for (int three = 0; three < 3; ++three) {
            const OutputOrder order{std::string(orderCode(OrderFamily::SixWay, six)),
                                    std::string(orderCode(OrderFamily::LLH, three)),
                                    std::string(orderCode(OrderFamily::LHH, three))};
            for (int n = 0; n < 1000; ++n) {
                const int a = n / 100, b = n / 10 % 10, c = n % 10;
                if (a == b && b == c) {
                    continue;
                }
                std::string digits{static_cast<char>('0' + a), static_cast<char>('0' + b),
                                   static_cast<char>('0' + c)};
                std::string written = fnBoxedOutputOrder(a, b, c, order);
                std::sort(digits.begin(), digits.end());
                std::sort(written.begin(), written.end());
                ASSERT_EQ(written, digits) << n << " " << order.sixWay << order.llh << order.lhh;
            }
        }
    }
}

TEST(OutputOrder, CodesAndIndices) {
    struct Row {
        OrderFamily family;
        std::vector<const char*> codes;
    };
    const std::vector<Row> rows{
        {OrderFamily::SixWay, {"LMH", "LHM", "MLH", "MHL", "HLM", "HML"}},
        {OrderFamily::LLH, {"LLH", "LHL", "HLL"}},
        {OrderFamily::LHH, {"LHH", "HLH", "HHL"}},
    };
    for (const auto& r : rows) {
        for (std::size_t i = 0; i < r.codes.size(); ++i) {
            SCOPED_TRACE(r.codes[i]);
            EXPECT_EQ(orderCode(r.family, static_cast<int>(i)), r.codes[i]);
            EXPECT_EQ(orderCodeIndex(r.family, r.codes[i]), static_cast<int>(i));
        }
        EXPECT_EQ(orderCode(r.family, -1), "");
        EXPECT_EQ(orderCode(r.family, static_cast<int>(r.codes.size())), "");
    }
    EXPECT_EQ(orderCodeIndex(OrderFamily::SixWay, "LLH"), -1);
    EXPECT_EQ(orderCodeIndex(OrderFamily::LLH, "LHH"), -1);
    EXPECT_EQ(orderCodeIndex(OrderFamily::LHH, "hhl"), -1);
    const OutputOrder defaults;
    EXPECT_EQ(defaults.sixWay, "LMH");
    EXPECT_EQ(defaults.llh, "LLH");
    EXPECT_EQ(defaults.lhh, "LHH");
}

TEST(OutputOrder, RefusesBadDigits) {
    EXPECT_THROW(fnBoxedOutputOrder(1, 2, 10, OutputOrder{}), std::invalid_argument);
    EXPECT_THROW(fnBoxedOutputOrder(-1, 2, 3, OutputOrder{}), std::invalid_argument);
}

} // namespace
} // namespace pick3
