// The written form of boxed singles and doubles under every order code.

#include "engine/OutputOrder.h"

#include "Support.h"

namespace pick3 {
namespace {

TEST(OutputOrder, EveryCodeOfEveryFamily) {
    struct Row {
        const char *n, *sixWay, *llh, *lhh, *written;
    };
    const std::vector<Row> rows{
        // The single 2 4 7 and the doubles 3 3 8 and 1 6 6, whatever order they come in.
        {"274", "LMH", "LLH", "LHH", "247"},
        {"274", "LHM", "LLH", "LHH", "274"},
        {"274", "MLH", "LLH", "LHH", "427"},
        {"274", "MHL", "LLH", "LHH", "472"},
        {"274", "HLM", "LLH", "LHH", "724"},
        {"742", "HML", "LLH", "LHH", "742"},
        {"833", "LMH", "LLH", "LHH", "338"},
        {"833", "LMH", "LHL", "LHH", "383"},
        {"833", "LMH", "HLL", "LHH", "833"},
        {"616", "LMH", "LLH", "LHH", "166"},
        {"616", "LMH", "LLH", "HLH", "616"},
        {"166", "LMH", "LLH", "HHL", "661"},
        {"090", "LMH", "LHL", "HHL", "090"},
        {"444", "LMH", "LLH", "LHH", ""}, // triple
        // A code outside its family writes nothing.
        {"123", "LLH", "LLH", "LHH", ""},
        {"123", "lmh", "LLH", "LHH", ""},
        {"113", "LMH", "LHH", "LLH", ""},
        {"133", "LMH", "LHH", "LHHL", ""},
    };
    for (const auto& r : rows) {
        const auto [a, b, c] = test::digitsOf(r.n);
        EXPECT_EQ(fnBoxedOutputOrder(a, b, c, {r.sixWay, r.llh, r.lhh}), r.written)
            << r.n << " " << r.sixWay << " " << r.llh << " " << r.lhh;
    }
    EXPECT_THROW(fnBoxedOutputOrder(1, 2, 10, OutputOrder{}), std::invalid_argument);
}

// Each code maps to its index and back, and under every code a written single
// or double holds exactly the number's digits.
TEST(OutputOrder, CodesKeepTheDigits) {
    for (int six = 0; six < 6; ++six) {
        for (int three = 0; three < 3; ++three) {
            const OutputOrder order{std::string(orderCode(OrderFamily::SixWay, six)),
                                    std::string(orderCode(OrderFamily::LLH, three)),
                                    std::string(orderCode(OrderFamily::LHH, three))};
            ASSERT_EQ(orderCodeIndex(OrderFamily::SixWay, order.sixWay), six);
            ASSERT_EQ(orderCodeIndex(OrderFamily::LLH, order.llh), three);
            ASSERT_EQ(orderCodeIndex(OrderFamily::LHH, order.lhh), three);
            for (int n = 0; n < 1000; ++n) {
                std::string digits = std::to_string(1000 + n).substr(1);
                if (digits[0] == digits[1] && digits[1] == digits[2]) {
                    continue;
                }
                std::string written = fnBoxedOutputOrder(n / 100, n / 10 % 10, n % 10, order);
                std::sort(digits.begin(), digits.end());
                std::sort(written.begin(), written.end());
                ASSERT_EQ(written, digits) << n << " " << order.sixWay << order.llh << order.lhh;
            }
        }
    }
    EXPECT_EQ(orderCode(OrderFamily::SixWay, 6), "");
    EXPECT_EQ(orderCode(OrderFamily::LLH, -1), "");
    EXPECT_EQ(orderCodeIndex(OrderFamily::LLH, "LHH"), -1);
}

} // namespace
} // namespace pick3
