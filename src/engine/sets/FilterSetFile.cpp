#include "engine/sets/FilterSetFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <span>
#include <stdexcept>

namespace pick3 {
namespace {

using SV = std::string_view;

// What a line of the file sets.
enum class Kind { Mode, List, MustInclude, Structure, Consec, ZeroAndNine, Pairs, Order };
enum class PairList { Boxed, Left, Right, Split };

struct Setting {
    SV key;
    Kind kind;
    int index = 0; // the ListId of a list, the structure, the pair list or the order family
};

// The names of the lists in a file: a heading where it is unique, the straight
// twin of a boxed list "by position", the widths and the hot/cold patterns
// named as in their windows.
constexpr std::array<SV, kListCount> kListKeys{
    "Digits",
    "Pos. 1",
    "Pos. 2",
    "Pos. 3",
    "Sumdigits",
    "Root",
    "Shortsum (LDR)",
    "Width lowest- highest",
    "Width lowest- middle",
    "Width middle- highest",
    "Width XX_",
    "Width X_X",
    "Width _XX",
    "OddEven",
    "OddEven by position",
    "HighLow",
    "HighLow by position",
    "InOut",
    "InOut by position",
    "LMH",
    "LMH by position",
    "Open-Closed-Straight",
    "Open-Closed-Straight by position",
    "Digit-sort",
    "Hot/cold box",
    "Hot/cold straight",
};

constexpr std::array<SV, 2> kModeNames{"Any position", "Positional"};
constexpr SV kConsecKey = "Consecutives";
constexpr SV kZeroAndNineKey = "Consider 0 and 9 consecutive";
constexpr SV kMustIncludeKey = "Must include";
constexpr std::array<SV, 4> kPairKeys{"Boxed pairs", "Left pairs", "Right pairs", "Split pairs"};
constexpr std::array<SV, 3> kOrderKeys{"Order of singles", "Order of doubles LLH",
                                       "Order of doubles LHH"};

// Every setting, in the order the file is written.
std::vector<Setting> makeSettings() {
    std::vector<Setting> settings{{"Digit mode", Kind::Mode}};
    for (int id = 0; id < 4; ++id) {
        settings.push_back({kListKeys[static_cast<std::size_t>(id)], Kind::List, id});
    }
    settings.push_back({kMustIncludeKey, Kind::MustInclude});
    for (std::size_t id = 4; id < kListCount; ++id) {
        settings.push_back({kListKeys[id], Kind::List, static_cast<int>(id)});
    }
    for (std::size_t i = 0; i < kStructureBoxes.size(); ++i) {
        settings.push_back({kStructureBoxes[i].caption, Kind::Structure, static_cast<int>(i)});
    }
    settings.push_back({kConsecKey, Kind::Consec});
    settings.push_back({kZeroAndNineKey, Kind::ZeroAndNine});
    for (std::size_t i = 0; i < kPairKeys.size(); ++i) {
        settings.push_back({kPairKeys[i], Kind::Pairs, static_cast<int>(i)});
    }
    for (std::size_t i = 0; i < kOrderKeys.size(); ++i) {
        settings.push_back({kOrderKeys[i], Kind::Order, static_cast<int>(i)});
    }
    return settings;
}

const std::vector<Setting>& settings() {
    static const std::vector<Setting> table = makeSettings();
    return table;
}

bool isDigitList(ListId id) {
    return id == ListId::DigitsWheel || id == kPositionLists[0] || id == kPositionLists[1] ||
           id == kPositionLists[2];
}

// Shown in `mode`: a digit list of the mode, a filter list of both modes or of
// this one; the hot/cold patterns of both modes are kept in either.
bool belongsTo(ListId id, DigitMode mode) {
    if (id == ListId::DigitsWheel) {
        return mode == DigitMode::AnyPosition;
    }
    if (isDigitList(id)) {
        return mode == DigitMode::Positional;
    }
    const ListEntry& entry = listEntry(id);
    return entry.shownIn == ShownIn::Never || entry.shownInMode(mode);
}

template <typename Pairs> auto& pairList(Pairs& pairs, int index) {
    switch (static_cast<PairList>(index)) {
    case PairList::Boxed:
        return pairs.boxed;
    case PairList::Left:
        return pairs.left;
    case PairList::Right:
        return pairs.right;
    case PairList::Split:
        return pairs.split;
    }
    throw std::invalid_argument("unknown pair list");
}

template <typename Order> auto& orderField(Order& order, int index) {
    return index == 0 ? order.sixWay : index == 1 ? order.llh : order.lhh;
}

constexpr std::array<OrderFamily, 3> kOrderFamilies{OrderFamily::SixWay, OrderFamily::LLH,
                                                    OrderFamily::LHH};

std::string joined(const std::vector<std::string>& values, SV separator = ", ") {
    std::string text;
    for (const std::string& value : values) {
        if (!text.empty()) {
            text += separator;
        }
        text += value;
    }
    return text;
}

template <typename Range> std::vector<std::string> texts(const Range& range) {
    return {range.begin(), range.end()};
}

std::string yesNo(bool value) {
    return value ? "yes" : "no";
}

// ---- reading ----

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

SV trimmed(SV text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// True for well-formed UTF-8 without NUL and other control characters but the
// tab and the line breaks: what a text editor writes.
bool isText(SV bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                return false;
            }
            ++i;
            continue;
        }
        int follow = 0;
        unsigned int lowest = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            lowest = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            lowest = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(follow) >= bytes.size()) {
            return false;
        }
        unsigned int code = c & (0x3FU >> static_cast<unsigned>(follow));
        for (int k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0U) != 0x80U) {
                return false;
            }
            code = code << 6U | (next & 0x3FU);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

// What the user wrote, quoted and cut to a readable length (never inside a character).
std::string quoted(SV text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) {
        return "\"" + std::string(text) + "\"";
    }
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) {
        --cut;
    }
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

std::string onLine(int line) {
    return "Line " + std::to_string(line) + ": ";
}

class Refusal {
  public:
    explicit Refusal(std::string message) : message_(std::move(message)) {}
    const std::string& message() const { return message_; }

  private:
    std::string message_;
};

// The comma-separated values of a line; an empty value before, between or after
// commas is refused.
std::vector<SV> valuesOf(SV value, SV key, int line) {
    std::vector<SV> values;
    if (value.empty()) {
        return values;
    }
    while (true) {
        const std::size_t comma = value.find(',');
        const SV item = trimmed(value.substr(0, comma));
        if (item.empty()) {
            throw Refusal(onLine(line) + quoted(key) +
                          " has an empty value between commas; expected values such as "
                          "\"1, 2, 3\".");
        }
        values.push_back(item);
        if (comma == SV::npos) {
            return values;
        }
        value.remove_prefix(comma + 1);
    }
}

// The one value of `options` that `value` names, by its index.
int chooseOne(SV value, std::span<const SV> options, SV key, int line) {
    const auto at = std::find(options.begin(), options.end(), value);
    if (at == options.end()) {
        std::string expected;
        for (std::size_t i = 0; i < options.size(); ++i) {
            expected += (i == 0 ? "" : i + 1 == options.size() ? " or " : ", ");
            expected += std::string(options[i]);
        }
        throw Refusal(onLine(line) + quoted(key) + " expects " + expected + "; found " +
                      quoted(value) + ".");
    }
    return static_cast<int>(at - options.begin());
}

// The rows of the items named, each once.
Ticks ticksOf(SV value, std::span<const SV> items, SV key, int line) {
    Ticks ticks(items.size(), false);
    for (const SV item : valuesOf(value, key, line)) {
        const auto at = std::find(items.begin(), items.end(), item);
        if (at == items.end()) {
            throw Refusal(onLine(line) + quoted(key) + " has no item " + quoted(item) +
                          "; expected " + joined(texts(items)) + ".");
        }
        const auto row = static_cast<std::size_t>(at - items.begin());
        if (ticks[row]) {
            throw Refusal(onLine(line) + quoted(key) + " lists " + quoted(item) +
                          " twice; each item goes in once.");
        }
        ticks[row] = true;
    }
    return ticks;
}

PairSet pairsOf(SV value, PairList which, SV key, int line) {
    const std::vector<std::string>& all =
        which == PairList::Boxed ? boxedPairTexts() : straightPairTexts();
    PairSet pairs;
    for (const SV item : valuesOf(value, key, line)) {
        if (std::find(all.begin(), all.end(), item) == all.end()) {
            throw Refusal(onLine(line) + quoted(key) + " has " + quoted(item) +
                          ", which is no pair; expected two digits" +
                          (which == PairList::Boxed ? ", the smaller first (such as 07)."
                                                    : " (such as 70)."));
        }
        if (std::find(pairs.begin(), pairs.end(), item) != pairs.end()) {
            throw Refusal(onLine(line) + quoted(key) + " lists " + quoted(item) +
                          " twice; each pair goes in once.");
        }
        pairs.emplace_back(item);
    }
    // The dialogs list their pairs in ascending order, and so does a set.
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// The version of a first line, or none when it is not a set's first line.
std::optional<int> versionOf(SV first) {
    if (first.substr(0, kFilterSetHeader.size()) != kFilterSetHeader) {
        return std::nullopt;
    }
    const SV number = first.substr(kFilterSetHeader.size());
    int version = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), version);
    if (error != std::errc() || end != number.data() + number.size() || version < 1) {
        return std::nullopt;
    }
    return version;
}

class SetReader {
  public:
    FilterSet read(SV bytes);

  private:
    void readLine(SV text, int line);
    void apply(const Setting& setting, SV value, int line);
    void checkModes() const;

    FilterSet set_;
    std::vector<int> lineOf_ = std::vector<int>(settings().size(), 0);
    bool mustIncludeGiven_ = false;
    bool ended_ = false;
};

FilterSet SetReader::read(SV bytes) {
    if (bytes.empty()) {
        throw Refusal("The file is empty; a filter set starts with the line \"" +
                      std::string(kFilterSetHeader) + std::to_string(kFilterSetVersion) + "\".");
    }
    if (bytes.size() > kFilterSetMaxBytes) {
        throw Refusal("The file is larger than 1 MB; a filter set is a few lines of text.");
    }
    if (!isText(bytes)) {
        throw Refusal("The file is not text (it holds binary data, or text that is not "
                      "UTF-8); expected a filter set written as text.");
    }
    constexpr SV kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kBom.size()) == kBom) {
        bytes.remove_prefix(kBom.size());
    }
    for (const ListEntry& entry : catalogue()) {
        set_.ticks[entry.id] = Ticks(entry.items.size(), false);
    }
    int line = 0;
    while (!bytes.empty() || line == 0) {
        const std::size_t end = bytes.find('\n');
        const SV text = trimmed(bytes.substr(0, end));
        bytes = end == SV::npos ? SV() : bytes.substr(end + 1);
        ++line;
        if (line == 1) {
            const std::optional<int> version = versionOf(text);
            if (!version) {
                throw Refusal(onLine(1) + "expected \"" + std::string(kFilterSetHeader) +
                              std::to_string(kFilterSetVersion) + "\"; found " + quoted(text) +
                              ". This file is not a filter set.");
            }
            if (*version > kFilterSetVersion) {
                throw Refusal("This filter set is in format version " + std::to_string(*version) +
                              ", written by a newer Pick3 Tallymoor; this one reads version " +
                              std::to_string(kFilterSetVersion) + ".");
            }
            continue;
        }
        readLine(text, line);
    }
    if (!ended_) {
        throw Refusal("The file ends at line " + std::to_string(line) + " without the line \"" +
                      std::string(kFilterSetEnd) + "\"; it seems cut short.");
    }
    checkModes();
    if (!mustIncludeGiven_) {
        // As when the digits are ticked by hand: every chosen digit must be included.
        for (const MustHaveItem& item : mustHaveOf(set_)) {
            set_.mustInclude.push_back(item.digit);
        }
    }
    return set_;
}

void SetReader::readLine(SV text, int line) {
    if (text.empty() || text.front() == '#') {
        return;
    }
    if (ended_) {
        throw Refusal(onLine(line) + "expected nothing after \"" + std::string(kFilterSetEnd) +
                      "\"; found " + quoted(text) + ".");
    }
    if (text == kFilterSetEnd) {
        ended_ = true;
        return;
    }
    const std::size_t colon = text.find(':');
    if (colon == SV::npos) {
        throw Refusal(onLine(line) + "expected \"name: values\"; found " + quoted(text) + ".");
    }
    const SV key = trimmed(text.substr(0, colon));
    const auto& all = settings();
    const auto at = std::find_if(all.begin(), all.end(),
                                 [key](const Setting& setting) { return setting.key == key; });
    if (at == all.end()) {
        throw Refusal(onLine(line) + quoted(key) +
                      " is no list or setting of a filter set; expected a name such as "
                      "\"Sumdigits\" or \"Digit mode\".");
    }
    int& first = lineOf_[static_cast<std::size_t>(at - all.begin())];
    if (first != 0) {
        throw Refusal(onLine(line) + quoted(key) + " is set twice (first on line " +
                      std::to_string(first) + "); expected each setting once.");
    }
    first = line;
    apply(*at, trimmed(text.substr(colon + 1)), line);
}

void SetReader::apply(const Setting& setting, SV value, int line) {
    switch (setting.kind) {
    case Kind::Mode:
        set_.mode = static_cast<DigitMode>(chooseOne(value, kModeNames, setting.key, line));
        break;
    case Kind::List: {
        const auto id = static_cast<ListId>(setting.index);
        set_.ticks[id] = ticksOf(value, listEntry(id).items, setting.key, line);
        break;
    }
    case Kind::MustInclude: {
        const Ticks digits =
            ticksOf(value, listEntry(ListId::DigitsWheel).items, setting.key, line);
        for (int d = 0; d < 10; ++d) {
            if (digits[static_cast<std::size_t>(d)]) {
                set_.mustInclude.push_back(d);
            }
        }
        mustIncludeGiven_ = true;
        break;
    }
    case Kind::Structure: {
        const bool yes = chooseOne(value, std::array<SV, 2>{"no", "yes"}, setting.key, line) == 1;
        (setting.index == 0   ? set_.excludeSingles
         : setting.index == 1 ? set_.excludeDoubles
                              : set_.excludeTriples) = yes;
        break;
    }
    case Kind::Consec: {
        std::array<SV, kConsecOptions.size()> captions{};
        std::transform(kConsecOptions.begin(), kConsecOptions.end(), captions.begin(),
                       [](const ControlText& option) { return option.caption; });
        set_.iConsecMode = chooseOne(value, captions, setting.key, line);
        break;
    }
    case Kind::ZeroAndNine:
        set_.chk0And9 = chooseOne(value, std::array<SV, 2>{"no", "yes"}, setting.key, line) == 1;
        break;
    case Kind::Pairs:
        pairList(set_.pairs, setting.index) =
            pairsOf(value, static_cast<PairList>(setting.index), setting.key, line);
        break;
    case Kind::Order: {
        // The codes the output-order window offers, and no other.
        const OrderFamily family = kOrderFamilies[static_cast<std::size_t>(setting.index)];
        std::vector<SV> codes;
        for (int i = 0; !orderCode(family, i).empty(); ++i) {
            codes.push_back(orderCode(family, i));
        }
        orderField(set_.order, setting.index) = std::string(
            codes[static_cast<std::size_t>(chooseOne(value, codes, setting.key, line))]);
        break;
    }
    }
}

// A set holds only what the user can tick in its mode: what a mode switch
// clears belongs to the other mode, and a must-include digit to a chosen digit.
void SetReader::checkModes() const {
    const SV mode = kModeNames[static_cast<std::size_t>(set_.mode)];
    const auto& all = settings();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Setting& setting = all[i];
        bool foreign = false;
        if (setting.kind == Kind::List) {
            const auto id = static_cast<ListId>(setting.index);
            const Ticks& ticks = set_.ticks[id];
            foreign = !belongsTo(id, set_.mode) &&
                      std::find(ticks.begin(), ticks.end(), true) != ticks.end();
        } else if (setting.kind == Kind::Pairs && set_.mode == DigitMode::AnyPosition &&
                   static_cast<PairList>(setting.index) != PairList::Boxed) {
            foreign = !pairList(set_.pairs, setting.index).empty();
        }
        if (foreign) {
            throw Refusal(onLine(lineOf_[i]) + quoted(setting.key) + " is not used in " +
                          std::string(mode) + " mode; expected it empty in a set of that mode.");
        }
    }
    const std::vector<MustHaveItem> chosen = mustHaveOf(set_);
    for (const int digit : set_.mustInclude) {
        if (std::none_of(chosen.begin(), chosen.end(),
                         [digit](const MustHaveItem& item) { return item.digit == digit; })) {
            const auto at = std::find_if(all.begin(), all.end(), [](const Setting& setting) {
                return setting.kind == Kind::MustInclude;
            });
            throw Refusal(onLine(lineOf_[static_cast<std::size_t>(at - all.begin())]) +
                          quoted(kMustIncludeKey) + " has " + std::to_string(digit) +
                          ", which is not among the chosen digits; expected only digits "
                          "chosen in the digit lists.");
        }
    }
}

} // namespace

std::string_view setKeyOf(ListId list) {
    return kListKeys.at(static_cast<std::size_t>(list));
}

FilterSet filterSetOf(const MainInput& input) {
    FilterSet set;
    static_cast<FilterChoices&>(set) = input;
    for (const ListEntry& entry : catalogue()) {
        const Ticks& ticks = input.ticks[entry.id];
        checkTicks(entry, ticks);
        set.ticks[entry.id] = ticks.empty() ? Ticks(entry.items.size(), false) : ticks;
    }
    for (const MustHaveItem& item : input.mustHave) {
        if (item.ticked) {
            set.mustInclude.push_back(item.digit);
        }
    }
    std::sort(set.mustInclude.begin(), set.mustInclude.end());
    return set;
}

std::vector<MustHaveItem> mustHaveOf(const FilterSet& set) {
    std::vector<MustHaveItem> items;
    for (int digit = 0; digit < 10; ++digit) {
        bool chosen = false;
        for (const ListId id :
             {ListId::DigitsWheel, kPositionLists[0], kPositionLists[1], kPositionLists[2]}) {
            const Ticks& ticks = set.ticks[id];
            chosen = chosen || (ticks.size() == 10 && ticks[static_cast<std::size_t>(digit)]);
        }
        if (chosen) {
            const bool ticked = std::find(set.mustInclude.begin(), set.mustInclude.end(), digit) !=
                                set.mustInclude.end();
            items.push_back({digit, ticked});
        }
    }
    return items;
}

std::string writeFilterSet(const FilterSet& set) {
    std::string text = std::string(kFilterSetHeader) + std::to_string(kFilterSetVersion) + "\r\n";
    for (const Setting& setting : settings()) {
        std::string value;
        switch (setting.kind) {
        case Kind::Mode:
            value = kModeNames[static_cast<std::size_t>(set.mode)];
            break;
        case Kind::List: {
            const ListEntry& entry = listEntry(static_cast<ListId>(setting.index));
            const Ticks& ticks = set.ticks[entry.id];
            std::vector<std::string> items;
            for (std::size_t row = 0; row < ticks.size() && row < entry.items.size(); ++row) {
                if (ticks[row]) {
                    items.emplace_back(entry.items[row]);
                }
            }
            value = joined(items);
            break;
        }
        case Kind::MustInclude: {
            std::vector<std::string> digits;
            for (const int d : set.mustInclude) {
                digits.emplace_back(1, numeral(checkDigit(d)));
            }
            value = joined(digits);
            break;
        }
        case Kind::Structure:
            value = yesNo(setting.index == 0   ? set.excludeSingles
                          : setting.index == 1 ? set.excludeDoubles
                                               : set.excludeTriples);
            break;
        case Kind::Consec:
            value = kConsecOptions.at(static_cast<std::size_t>(set.iConsecMode)).caption;
            break;
        case Kind::ZeroAndNine:
            value = yesNo(set.chk0And9);
            break;
        case Kind::Pairs:
            value = joined(pairList(set.pairs, setting.index));
            break;
        case Kind::Order:
            value = orderField(set.order, setting.index);
            break;
        }
        text += std::string(setting.key) + ":" + (value.empty() ? "" : " " + value) + "\r\n";
    }
    return text + std::string(kFilterSetEnd) + "\r\n";
}

Result<FilterSet> readFilterSet(std::string_view bytes) {
    try {
        return SetReader().read(bytes);
    } catch (const Refusal& refusal) {
        return Result<FilterSet>::refused(refusal.message());
    }
}

} // namespace pick3
