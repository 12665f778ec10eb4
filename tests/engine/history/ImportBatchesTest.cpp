// Reading a history in batches of lines, read ahead on two threads and taken
// in order on one: every way of cutting the text reads as the text read whole.

#include "engine/history/ImportBatches.h"

#include "Support.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <stdexcept>
#include <thread>

namespace pick3 {
namespace {

using importing::BatchPlan;

template <typename Items> std::string listed(const Items& items) {
    std::ostringstream out;
    for (const auto& item : items) {
        out << item << ' ';
    }
    return out.str();
}

// Everything a reading gives, in order, as text.
std::string everything(const Result<ImportResult>& r) {
    if (!r.ok()) {
        return "refused: " + r.refusal();
    }
    std::ostringstream out;
    const auto draw = [&](const DatedDraw& d) {
        out << d.day << '/' << int{d.time} << '/' << int{d.addOn} << '/' << d.number << '@'
            << d.line << ' ';
    };
    out << r->layout.separator << r->layout.dateColumn << r->layout.drawColumn
        << int(r->layout.dateOrder) << r->layout.rowPerDate << listed(r->drawTimes) << '\n';
    std::for_each(r->draws.begin(), r->draws.end(), draw);
    out << "\nunread " << r->unreadCount << ": ";
    for (const UnreadLine& u : r->unread) {
        out << u.line << ' ' << u.reason << " [" << u.text << "] ";
    }
    out << "\nrepeats ";
    for (const DuplicateRow& d : r->duplicates) {
        draw(d.draw);
        out << "again@" << d.repeatLine << ' ';
    }
    out << "\nconflicts ";
    for (const Conflict& c : r->conflicts) {
        out << c.day << '/' << int{c.time} << ' ' << listed(c.numbers) << '@' << listed(c.lines);
    }
    out << "\nmissing " << listed(r->missingDates);
    return out.str();
}

std::string layoutFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return *decodeText(bytes);
}

TEST(ImportBatches, EveryCutOfTheTextReadsAsTheWholeText) {
    // The corpus of layouts, each file alone and all one after the other (a
    // block of dates, a ball a line or records side by side then run across
    // batches), with line breaks of every kind.
    std::vector<std::filesystem::path> files(
        std::filesystem::directory_iterator(std::string(PICK3_TEST_DATA_DIR) + "/layouts"), {});
    std::sort(files.begin(), files.end());
    std::vector<std::string> texts;
    std::string all;
    for (const auto& file : files) {
        texts.push_back(layoutFile(file));
        all += texts.back() + "\n\f";
    }
    // Lines not read are shown with their spaces made plain.
    texts.push_back("Date Draw\n12/06/2026 Evening 123\nShowing\u00a0page\u00a01\u00a0of 2\n"
                    "Date\u00a0Draw\n12/05/2026\u2009Evening 456\n");
    all += texts.back();
    std::string breaks = all;
    for (std::size_t at = breaks.find('\n'); at != std::string::npos; at = breaks.find('\n', at)) {
        breaks.replace(at, 1, at % 3 == 0 ? "\r\n" : at % 3 == 1 ? "\u2028" : "\n");
        at += 2;
    }
    std::string crOnly = all;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    texts.insert(texts.end(), {all, breaks, crOnly});
    ImportChoices dayFirst;
    dayFirst.dateOrder = DateOrder::DayMonthYear;
    for (const std::string& text : texts) {
        for (const ImportChoices& choices : {ImportChoices{}, dayFirst}) {
            const std::string whole = everything(importing::recognizeDraws(text, choices, {}, {}));
            for (const std::size_t bytes : {1, 2, 5, 13, 34, 89, 233, 610, 1597}) {
                for (const bool secondThread : {false, true}) {
                    const BatchPlan plan{bytes, secondThread};
                    ASSERT_EQ(everything(importing::recognizeDraws(text, choices, {}, plan)), whole)
                        << bytes << " bytes, second thread " << secondThread << "\n"
                        << text.substr(0, 200);
                }
            }
        }
    }
    // A long text: the same reports of progress, and a cancel stops it alike.
    std::string page = all;
    while (page.size() < 3'000'000) {
        page += all;
    }
    const auto read = [&](const BatchPlan& plan, int cancelAt) {
        std::vector<double> reports;
        const auto progress = [&](double done) {
            reports.push_back(done);
            return static_cast<int>(reports.size()) != cancelAt;
        };
        const std::string result = everything(importing::recognizeDraws(page, {}, progress, plan));
        return result + "\nprogress " + listed(reports);
    };
    for (const int cancelAt : {0, 2}) {
        EXPECT_EQ(read({64 * 1024, true}, cancelAt), read({page.size(), false}, cancelAt));
    }
}

TEST(ImportBatches, EachBatchIsTakenInOrderFromItsOwnSlot) {
    constexpr std::size_t kCount = 60;
    constexpr std::size_t kSlots = 3;
    // Each slot says which batch it holds; the later batches take longer, so
    // that the two threads overtake each other.
    std::array<std::atomic<std::size_t>, kSlots> held{};
    std::atomic<std::size_t> aheadCalls = 0;
    std::vector<std::size_t> taken;
    const auto firstBatches = [](std::size_t count) {
        std::vector<std::size_t> batches(count);
        std::iota(batches.begin(), batches.end(), 0U);
        return listed(batches);
    };
    const auto ahead = [&](std::size_t batch, std::size_t slot) {
        ++aheadCalls;
        held.at(slot) = batch;
        std::this_thread::sleep_for(std::chrono::microseconds(batch % 7 * 50));
        if (batch == 40) {
            throw std::runtime_error("batch 40");
        }
    };
    const auto inOrder = [&](std::size_t stopAfter) {
        return [&taken, &held, stopAfter](std::size_t batch, std::size_t slot) {
            EXPECT_EQ(held.at(slot), batch);
            taken.push_back(batch);
            return batch != stopAfter;
        };
    };
    for (const bool secondThread : {false, true}) {
        taken.clear();
        aheadCalls = 0;
        EXPECT_FALSE(importing::aheadThenInOrder(kCount, kSlots, secondThread, ahead, inOrder(20)));
        EXPECT_EQ(listed(taken), firstBatches(21));
        // Nothing more is read ahead once it has returned.
        const std::size_t calls = aheadCalls;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(aheadCalls, calls);
        EXPECT_LE(calls, 21 + kSlots);
        // A throw is passed on, and no batch from the one that threw on is taken.
        taken.clear();
        EXPECT_THROW(importing::aheadThenInOrder(kCount, kSlots, secondThread, ahead, inOrder(99)),
                     std::runtime_error);
        EXPECT_EQ(listed(taken), firstBatches(std::min<std::size_t>(taken.size(), 40)));
    }
}

} // namespace
} // namespace pick3
