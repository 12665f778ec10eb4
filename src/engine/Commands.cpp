#include "engine/Commands.h"

#include "engine/Measures.h"

#include <array>
#include <stdexcept>

namespace pick3 {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kSeparator = ", ";

// The fifteen readers, in the order each command calls them; a refused list
// stops the command with the first refusal in this order.
constexpr std::array<Family, 15> kCreateOrder{
    Family::Root,    Family::DigitSort, Family::OCS,      Family::LMH,      Family::LDR,
    Family::Width,   Family::WidthX_X,  Family::WidthXX_, Family::Width_XX, Family::WidthLM,
    Family::WidthMH, Family::SumDigits, Family::OddEven,  Family::HighLow,  Family::InOut};
constexpr std::array<Family, 15> kFilterMoreOrder{
    Family::Root,     Family::LDR,       Family::DigitSort, Family::OCS,      Family::LMH,
    Family::Width,    Family::WidthLM,   Family::WidthMH,   Family::WidthX_X, Family::WidthXX_,
    Family::Width_XX, Family::SumDigits, Family::OddEven,   Family::HighLow,  Family::InOut};

// Values of the ticked rows of a digit list ("0" to "9", so the row is the digit).
std::vector<int> tickedDigits(const MainInput& input, ListId list) {
    const Ticks& ticks = input.ticks[list];
    if (!ticks.empty() && ticks.size() != listEntry(list).items.size()) {
        throw std::invalid_argument("tick count does not match the list " +
                                    std::string(listEntry(list).controlName));
    }
    std::vector<int> digits;
    for (std::size_t row = 0; row < ticks.size(); ++row) {
        if (ticks[row]) {
            digits.push_back(static_cast<int>(row));
        }
    }
    return digits;
}

// Collects the written numbers of one section, joined by ", ".
class Section {
  public:
    void add(std::string_view written) {
        if (!empty_) {
            text_.append(kSeparator);
        }
        text_.append(written);
        empty_ = false;
    }
    bool empty() const { return empty_; }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
    bool empty_ = true;
};

struct Sections {
    Section singles, doubles, triples;
    int count = 0;

    // The section a number of this structure goes to; null when its check box excludes it.
    Section* forStructure(Structure structure, const MainInput& in) {
        switch (structure) {
        case Structure::Single:
            return in.excludeSingles ? nullptr : &singles;
        case Structure::Double:
            return in.excludeDoubles ? nullptr : &doubles;
        case Structure::Triple:
            return in.excludeTriples ? nullptr : &triples;
        }
        return nullptr;
    }
};

std::string threeDigits(int d1, int d2, int d3) {
    return {numeral(d1), numeral(d2), numeral(d3)};
}

void createAnyPosition(const std::vector<int>& d, const MainInput& in, const FilterSettings& s,
                       Sections& out) {
    const std::size_t n = d.size();
    auto keep = [&](Section& section, int a, int b, int c, std::string_view written) {
        if (!fnFitsFilters(a, b, c, s)) {
            section.add(written);
            ++out.count;
        }
    };
    if (!in.excludeSingles) {
        for (std::size_t i = 0; i + 2 < n; ++i) {
            for (std::size_t j = i + 1; j + 1 < n; ++j) {
                for (std::size_t k = j + 1; k < n; ++k) {
                    keep(out.singles, d[i], d[j], d[k],
                         fnBoxedOutputOrder(d[i], d[j], d[k], in.order));
                }
            }
        }
    }
    if (!in.excludeDoubles) {
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j) {
                if (j != i) {
                    keep(out.doubles, d[i], d[i], d[j],
                         fnBoxedOutputOrder(d[i], d[i], d[j], in.order));
                }
            }
        }
    }
    if (!in.excludeTriples) {
        for (const int digit : d) {
            keep(out.triples, digit, digit, digit, threeDigits(digit, digit, digit));
        }
    }
}

void createPositional(const std::array<std::vector<int>, 3>& p, const MainInput& in,
                      const FilterSettings& s, Sections& out) {
    // One pass over the candidates serves all three sections: each section still
    // receives its numbers in the order of the three nested loops.
    for (const int a : p[0]) {
        for (const int b : p[1]) {
            for (const int c : p[2]) {
                Section* section = out.forStructure(structureOf(a, b, c), in);
                if (section != nullptr && !fnFitsFilters(a, b, c, s)) {
                    section->add(threeDigits(a, b, c));
                    ++out.count;
                }
            }
        }
    }
}

// One line per enabled section, even an empty one; CR LF between, none at the end.
std::string joinCreated(const MainInput& in, const Sections& sections) {
    std::string text;
    bool first = true;
    auto line = [&](bool excluded, const Section& section) {
        if (excluded) {
            return;
        }
        if (!first) {
            text.append(kLineBreak);
        }
        text.append(section.text());
        first = false;
    };
    line(in.excludeSingles, sections.singles);
    line(in.excludeDoubles, sections.doubles);
    line(in.excludeTriples, sections.triples);
    return text;
}

CommandResult refused(std::string_view message, bool emptyText) {
    CommandResult result;
    result.message = std::string(message);
    if (emptyText) {
        result.text = std::string();
    }
    return result;
}

CommandResult allExcluded() {
    CommandResult result;
    result.text = std::string(kAllExcludedNotice);
    result.caption = std::string();
    return result;
}

} // namespace

std::string readFilterSettings(const MainInput& input, ReaderOrder order, FilterSettings& out) {
    if (input.iConsecMode < 0 || input.iConsecMode > 3) {
        throw std::invalid_argument("consecutive mode out of range 0 to 3");
    }
    const bool positional = input.mode == DigitMode::Positional;
    out.mode = input.mode;
    out.iConsecMode = input.iConsecMode;
    out.chk0And9 = input.chk0And9;
    out.pairs = input.pairs;
    out.hot.reset();
    for (ExclusionSet& set : out.sets) {
        set = {};
    }
    HotColdSets hotCold =
        sbPick3HCFilterSettings(input.ticks[ListId::HCBox], input.ticks[ListId::HCStraight]);
    out.set(Family::HotColdBox) = std::move(hotCold.box);
    out.set(Family::HotColdStraight) = std::move(hotCold.straight);

    for (const Family family : order == ReaderOrder::Create ? kCreateOrder : kFilterMoreOrder) {
        const ListId list = familyList(family, positional);
        if (!readExclusionSet(list, input.ticks[list], out.set(family))) {
            return std::string(listEntry(list).refusal);
        }
    }
    const ExclusionSet& hotSet = out.set(positional ? Family::HotColdStraight : Family::HotColdBox);
    if (!hotSet.empty() && input.readHotDigits) {
        out.hot = input.readHotDigits();
    }
    return {};
}

CommandResult createNumbers(const MainInput& input) {
    const bool positional = input.mode == DigitMode::Positional;
    std::vector<int> anyDigits;
    std::array<std::vector<int>, 3> positionDigits;
    if (positional) {
        positionDigits = {tickedDigits(input, ListId::DigitsWheelPos1_0),
                          tickedDigits(input, ListId::DigitsWheelPos1_1),
                          tickedDigits(input, ListId::DigitsWheelPos1_2)};
        for (const auto& digits : positionDigits) {
            if (digits.empty()) {
                return refused(kMsgAllThreeLists, true);
            }
        }
    } else {
        anyDigits = tickedDigits(input, ListId::DigitsWheel);
        if (anyDigits.size() < 4) {
            return refused(kMsgFourDigits, true);
        }
    }

    FilterSettings settings;
    for (const MustHaveItem& item : input.mustHave) {
        if (item.ticked) {
            settings.mustInclude.push_back(checkDigit(item.digit));
        }
    }
    if (settings.mustInclude.empty()) {
        return refused(kMsgMustInclude, true);
    }
    const std::vector<int> mustInclude = settings.mustInclude;
    if (std::string message = readFilterSettings(input, ReaderOrder::Create, settings);
        !message.empty()) {
        return refused(message, true);
    }
    settings.mustInclude = mustInclude;
    if (input.excludeSingles && input.excludeDoubles && input.excludeTriples) {
        return refused(kMsgNoStructure, true);
    }

    Sections sections;
    if (positional) {
        createPositional(positionDigits, input, settings, sections);
    } else {
        createAnyPosition(anyDigits, input, settings, sections);
    }
    if (sections.count <= 0) {
        return allExcluded();
    }
    CommandResult result;
    result.text = joinCreated(input, sections);
    result.caption = std::string(kCreatedCaption) + std::to_string(sections.count);
    result.count = sections.count;
    return result;
}

CommandResult filterMore(std::string_view text, const MainInput& input) {
    FilterSettings settings;
    if (std::string message = readFilterSettings(input, ReaderOrder::FilterMore, settings);
        !message.empty()) {
        return refused(message, false);
    }
    const bool positional = input.mode == DigitMode::Positional;
    Sections sections;
    forEachTriple(text, [&](int d1, int d2, int d3) {
        const Structure structure = structureOf(d1, d2, d3);
        Section* section = sections.forStructure(structure, input);
        if (section == nullptr || fnFitsFiltersAgain(d1, d2, d3, settings)) {
            return;
        }
        // Straight numbers stay as read; boxed ones take the chosen output order.
        const bool asRead = positional || structure == Structure::Triple;
        section->add(asRead ? threeDigits(d1, d2, d3)
                            : fnBoxedOutputOrder(d1, d2, d3, input.order));
        ++sections.count;
    });
    if (sections.count < 1) {
        return allExcluded();
    }
    std::string newText;
    for (const Section* section : {&sections.singles, &sections.doubles, &sections.triples}) {
        if (!section->empty()) {
            newText.append(section->text()).append(kLineBreak);
        }
    }
    CommandResult result;
    result.text = std::move(newText);
    result.caption =
        std::string(kRefilteredCaption) + std::to_string(sections.count) + std::string(")");
    result.count = sections.count;
    return result;
}

} // namespace pick3
