// The characters a browser or a PDF puts between the words of a results page:
// every kind of space is a space, the invisible ones are dropped, and the
// Unicode line and paragraph separators end a line.

#include "engine/history/ImportLine.h"

#include <cstring>

namespace pick3::importing {
namespace {

enum class Kind { Other, Space, Invisible };

std::uint8_t at(std::string_view text, std::size_t i) {
    return i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

// What the character at i is, and how many bytes it takes.
Kind kindAt(std::string_view text, std::size_t i, std::size_t& length) {
    const std::uint8_t a = at(text, i);
    const std::uint8_t b = at(text, i + 1);
    const std::uint8_t c = at(text, i + 2);
    length = 1;
    if (a == '\t') {
        return Kind::Space;
    }
    if (a == 0xC2 && (b == 0xA0 || b == 0xAD)) { // no-break space, soft hyphen
        length = 2;
        return b == 0xA0 ? Kind::Space : Kind::Invisible;
    }
    length = 3;
    if (a == 0xE2 && b == 0x80) {
        if (c >= 0x80 && c <= 0x8A) { // en quad to hair space
            return Kind::Space;
        }
        if (c >= 0x8B && c <= 0x8D) { // zero-width space, non-joiner, joiner
            return Kind::Invisible;
        }
        if (c == 0xAF) { // narrow no-break space
            return Kind::Space;
        }
    }
    if (a == 0xE2 && b == 0x81 && (c == 0x9F || c == 0xA0)) { // math space, word joiner
        return c == 0x9F ? Kind::Space : Kind::Invisible;
    }
    if (a == 0xE3 && b == 0x80 && c == 0x80) { // ideographic space
        return Kind::Space;
    }
    if (a == 0xEF && b == 0xBB && c == 0xBF) { // zero-width no-break space
        return Kind::Invisible;
    }
    length = 1;
    return Kind::Other;
}

} // namespace

std::size_t unicodeBreakAt(std::string_view text, std::size_t i) {
    const std::uint8_t a = at(text, i);
    if (a == 0xC2 && at(text, i + 1) == 0x85) { // next line
        return 2;
    }
    if (a == 0xE2 && at(text, i + 1) == 0x80 &&
        (at(text, i + 2) == 0xA8 || at(text, i + 2) == 0xA9)) {
        return 3; // line and paragraph separators
    }
    return 0;
}

std::size_t findLeadByte(std::string_view text, std::size_t from) {
    std::size_t i = from;
    const std::size_t n = text.size();
    while (i < n) {
        // Plain ASCII, most of any line, eight bytes at a time.
        if (std::uint64_t word = 0; n - i >= sizeof word) {
            std::memcpy(&word, text.data() + i, sizeof word);
            if ((word & 0x8080808080808080U) == 0) {
                i += sizeof word;
                continue;
            }
        }
        if (static_cast<std::uint8_t>(text[i]) >= 0xC2) {
            return i;
        }
        ++i;
    }
    return std::string_view::npos;
}

std::string_view plainSpaces(std::string_view line, std::string& buffer, bool keepTabs) {
    if (findLeadByte(line, 0) == std::string_view::npos &&
        (keepTabs || line.find('\t') == std::string_view::npos)) {
        return line;
    }
    buffer.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        // The bytes up to the next tab or lead byte are kept as they are, in one go.
        std::size_t run = i;
        while (run < line.size() && line[run] != '\t' &&
               static_cast<std::uint8_t>(line[run]) < 0xC2) {
            ++run;
        }
        buffer.append(line.substr(i, run - i));
        i = run;
        if (i == line.size()) {
            break;
        }
        std::size_t length = 1;
        const Kind kind = kindAt(line, i, length);
        if (kind == Kind::Space && !(keepTabs && line[i] == '\t')) {
            buffer += ' ';
        } else if (kind == Kind::Other || kind == Kind::Space) {
            buffer.append(line.substr(i, length));
        }
        i += length;
    }
    return buffer;
}

} // namespace pick3::importing
