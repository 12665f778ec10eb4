// Any bytes dropped on the import window: decoding and recognising them never
// crashes or hangs, every draw is 0 to 999 from a line of the text, the draws
// run newest first, the text read in batches of a few bytes on two threads
// reads as the text read whole, and the warning for the draw box always answers.
#include "engine/history/DrawImport.h"
#include "engine/history/ImportBatches.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Choices a user could make, taken from the first byte.
pick3::ImportChoices choicesFrom(std::uint8_t byte) {
    pick3::ImportChoices choices;
    if ((byte & 3) != 0) {
        choices.dateOrder = static_cast<pick3::DateOrder>((byte & 3) - 1);
    }
    if ((byte & 4) != 0) {
        choices.dateColumn = (byte >> 4) % 4 - 1;
    }
    if ((byte & 8) != 0) {
        choices.timeColumn = (byte >> 5) % 3 - 1;
        choices.drawColumn = (byte >> 6) % 4 - 1;
    }
    return choices;
}

bool same(const pick3::ImportResult& a, const pick3::ImportResult& b) {
    const auto unread = [](const pick3::UnreadLine& x, const pick3::UnreadLine& y) {
        return x.line == y.line && x.reason == y.reason && x.text == y.text;
    };
    const auto repeat = [](const pick3::DuplicateRow& x, const pick3::DuplicateRow& y) {
        return x.draw == y.draw && x.repeatLine == y.repeatLine;
    };
    const auto conflict = [](const pick3::Conflict& x, const pick3::Conflict& y) {
        return x.day == y.day && x.time == y.time && x.numbers == y.numbers && x.lines == y.lines;
    };
    return a.drawTimes == b.drawTimes && a.draws == b.draws && a.unreadCount == b.unreadCount &&
           std::equal(a.unread.begin(), a.unread.end(), b.unread.begin(), b.unread.end(), unread) &&
           std::equal(a.duplicates.begin(), a.duplicates.end(), b.duplicates.begin(),
                      b.duplicates.end(), repeat) &&
           std::equal(a.conflicts.begin(), a.conflicts.end(), b.conflicts.begin(),
                      b.conflicts.end(), conflict) &&
           a.missingDates == b.missingDates && a.layout.dateOrder == b.layout.dateOrder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)pick3::datedTextWarning(bytes);
    const pick3::Result<std::string> text = pick3::decodeText(bytes);
    if (!text.ok()) {
        return 0;
    }
    (void)pick3::datedTextWarning(*text);
    pick3::ImportChoices choices = choicesFrom(size > 0 ? data[0] : 0);
    if (size % 7 == 3) { // draw-time codes as a user may type them
        choices.timeCodes = pick3::parseTimeCodes(text->substr(0, std::min<std::size_t>(size, 40)));
    }
    const pick3::Result<pick3::ImportResult> result = pick3::recognizeDraws(*text, choices);
    const pick3::Result<pick3::ImportResult> batched =
        pick3::importing::recognizeDraws(*text, choices, {}, {size % 13 + 1, true});
    check(batched.ok() == result.ok() && batched.refusal() == result.refusal());
    if (!result.ok()) {
        return 0;
    }
    check(same(*batched, *result));
    const auto lines = static_cast<std::int64_t>(text->size()) + 1;
    const std::vector<pick3::DatedDraw>& draws = result->draws;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const pick3::DatedDraw& d = draws[i];
        check(d.number <= 999 && d.line >= 1 && d.line <= lines);
        check(d.time < result->drawTimes.size());
        check(i == 0 || draws[i - 1].day > d.day ||
              (draws[i - 1].day == d.day && draws[i - 1].time > d.time));
        (void)pick3::drawLabel(*result, d);
    }
    for (const pick3::UnreadLine& u : result->unread) {
        check(u.line >= 1 && u.line <= lines);
    }
    (void)pick3::importSummary(*result);
    pick3::KeepChoices keep;
    keep.lastDraws = size % 7;
    keep.newestFirst = (size & 1) != 0;
    (void)pick3::drawBoxText(pick3::keptDraws(*result, keep));
    return 0;
}
