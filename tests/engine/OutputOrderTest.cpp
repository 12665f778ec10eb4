// The written form of boxed singles and doubles under every order code.

#include "engine/OutputOrder.h"

#include "Support.h"

namespace pick3 {
namespace {

TEST(OutputOrder, EveryCodeOfEveryFamily) {
    struct Row {
        const char *n, *sixWay, *llh, *lhh, *written;
    };
    // The single 2 4 7 and the doubles 3 3 8 and 1 6 6, whatever order they come in;
    // a triple, and a code outside its family, write nothing.
    const std::vector<Row> rows{
        {"274", "LMH", "LLH", "LHH", "247"}, {"274", "LHM", "LLH", "LHH", "274"},
        {"274", "MLH", "LLH", "LHH", "427"}, {"274", "MHL", "LLH", "LHH", "472"},
        {"274", "HLM", "LLH", "LHH", "724"}, {"742", "HML", "LLH", "LHH", "742"},
        {"833", "LMH", "LLH", "LHH", "338"}, {"833", "LMH", "LHL", "LHH", "383"},
        {"833", "LMH", "HLL", "LHH", "833"}, {"616", "LMH", "LLH", "LHH", "166"},
        {"616", "LMH", "LLH", "HLH", "616"}, {"166", "LMH", "LLH", "HHL", "661"},
        {"090", "LMH", "LHL", "HHL", "090"}, {"444", "LMH", "LLH", "LHH", ""},
        {"123", "LLH", "LLH", "LHH", ""},    {"123", "lmh", "LLH", "LHH", ""},
        {"113", "LMH", "LHH", "LLH", ""},    {"133", "LMH", "LHH", "LHHL", ""}};
    for (const auto& r : rows) {
        const auto [a, b, c] = test::digitsOf(r.n);
        EXPECT_EQ(fnBoxedOutputOrder(a, b, c, {r.sixWay, r.llh, r.lhh}), r.written)
            << r.n << " " << r.sixWay << " " << r.llh << " " << r.lhh;
    }
    EXPECT_THROW(fnBoxedOutputOrder(1, 2, 10, OutputOrder{}), std::invalid_argument);
}

// The option buttons store an index: the codes in button order, each mapping back.
TEST(OutputOrder, CodesByIndex) {
    using enum OrderFamily;
    for (const auto& [family, expected] : {std::pair{SixWay, "LMH LHM MLH MHL HLM HML"},
                                           {LLH, "LLH LHL HLL"},
                                           {LHH, "LHH HLH HHL"}}) {
        std::string codes;
        for (int i = 0; !orderCode(family, i).empty(); ++i) {
            EXPECT_EQ(orderCodeIndex(family, orderCode(family, i)), i);
            codes += (i ? " " : "") + std::string(orderCode(family, i));
        }
        EXPECT_EQ(codes, expected);
        EXPECT_EQ(orderCode(family, -1), "");
    }
    EXPECT_EQ(orderCodeIndex(LLH, "LHH"), -1);
}

} // namespace
} // namespace pick3
