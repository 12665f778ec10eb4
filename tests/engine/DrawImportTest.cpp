// Reading dated draw histories: the sample layouts, dates, draw times, what is
// never a draw, encodings, the problems, the summary, what goes into the draw
// box and the warning under it.

#include "engine/DrawImport.h"

#include "Support.h"

#include <fstream>
#include <map>

namespace pick3 {
namespace {

std::string fileBytes(const std::string& name) {
    std::ifstream in(std::string(PICK3_TEST_DATA_DIR) + "/draw-samples/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string drawText(const ImportResult& r, const DatedDraw& d) {
    const std::string number = drawBoxText({d});
    return isoDateText(d.day) + "/" + r.drawTimes.at(d.time) + "/" + number.substr(0, 3);
}

// A result in the form of expected.txt: "draws 2026-12-06/Evening/635 ...".
std::map<std::string, std::string> described(const ImportResult& r) {
    std::map<std::string, std::string> out;
    const auto add = [&](const std::string& key, const std::string& item) {
        out[key] += (out[key].empty() ? "" : " ") + item;
    };
    for (const DatedDraw& d : r.draws) {
        add("draws", drawText(r, d));
    }
    for (const DuplicateRow& d : r.duplicates) {
        add("duplicates", drawText(r, d.draw));
    }
    for (const Conflict& c : r.conflicts) {
        std::string numbers;
        for (const std::uint16_t n : c.numbers) {
            numbers += (numbers.empty() ? "" : "+") + drawBoxText({{0, 0, n, 0}}).substr(0, 3);
        }
        add("conflicts", isoDateText(c.day) + "/" + r.drawTimes.at(c.time) + "/" + numbers);
    }
    for (const DayNumber day : r.missingDates) {
        add("missing", isoDateText(day));
    }
    if (r.unreadCount > 0) {
        out["unread"] = std::to_string(r.unreadCount);
    }
    return out;
}

ImportResult recognized(std::string_view text, const ImportChoices& choices = {}) {
    Result<ImportResult> r = recognizeDraws(text, choices);
    EXPECT_TRUE(r.ok()) << r.refusal() << "\n" << text;
    return r.ok() ? *r : ImportResult{};
}

TEST(DrawImport, EverySampleLayoutGivesItsDrawsAndProblems) {
    std::ifstream in(std::string(PICK3_TEST_DATA_DIR) + "/draw-samples/expected.txt");
    std::map<std::string, std::map<std::string, std::string>> expected;
    std::string file, line;
    while (std::getline(in, line)) {
        if (line.starts_with("= ")) {
            file = line.substr(2);
        } else if (!file.empty()) {
            const auto space = line.find(' ');
            expected[file][line.substr(0, space)] = line.substr(space + 1);
        }
    }
    ASSERT_EQ(expected.size(), 6U);
    for (auto& [name, want] : expected) {
        const Result<std::string> text = decodeText(fileBytes(name));
        ASSERT_TRUE(text.ok()) << name;
        const ImportResult r = recognized(*text);
        std::map<std::string, std::string> got = described(r);
        if (want.contains("order")) {
            got["order"] = dateOrderText(r.layout.dateOrder);
        }
        for (const auto& [key, value] : want) {
            EXPECT_EQ(got[key], value) << name << ": " << key;
        }
        EXPECT_EQ(got.size(), want.size()) << name;
    }
}

} // namespace
} // namespace pick3
