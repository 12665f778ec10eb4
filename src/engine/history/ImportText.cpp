// The bytes of a history file as UTF-8 text, whatever encoding it was saved in.

#include "engine/history/DrawImport.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace pick3 {
namespace {

constexpr std::string_view kMsgNotText =
    "The file does not hold text (it looks like a picture or a program), so it has no draws "
    "to read.";

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::uint8_t byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        // Plain ASCII, most of any history, eight bytes at a time.
        if (std::uint64_t word = 0; n - i >= sizeof word) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080U) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const std::uint8_t b = byteAt(bytes, i);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t more = 0;
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (n - i <= more) {
            return false;
        }
        const std::uint8_t second = byteAt(bytes, i + 1);
        if (second < low || second > high) {
            return false;
        }
        for (std::size_t k = 2; k <= more; ++k) {
            if ((byteAt(bytes, i + k) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += more + 1;
    }
    return true;
}

std::string fromLatin1(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        appendUtf8(out, static_cast<std::uint8_t>(ch));
    }
    return out;
}

std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    const auto unit = [&](std::size_t i) -> std::uint32_t {
        const std::uint32_t a = byteAt(bytes, i);
        const std::uint32_t b = byteAt(bytes, i + 1);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    constexpr std::uint32_t kReplacement = 0xFFFD;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t next = unit(i + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
    }
    return out;
}

// UTF-16 saved without a byte-order mark: nearly every other byte is NUL.
std::optional<bool> utf16WithoutMark(std::string_view bytes) {
    const std::size_t pairs = std::min<std::size_t>(bytes.size() / 2, 4096);
    if (pairs < 2) {
        return std::nullopt;
    }
    std::size_t evenNul = 0;
    std::size_t oddNul = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        evenNul += bytes[2 * i] == '\0' ? 1 : 0;
        oddNul += bytes[2 * i + 1] == '\0' ? 1 : 0;
    }
    if (evenNul * 10 >= pairs * 9 && oddNul * 10 < pairs) {
        return true;
    }
    if (oddNul * 10 >= pairs * 9 && evenNul * 10 < pairs) {
        return false;
    }
    return std::nullopt;
}

constexpr std::uint64_t kOnes = 0x0101010101010101U;
constexpr std::uint64_t kHighBits = 0x8080808080808080U;

// The high bit of each byte of x that is zero, every byte on its own (no carry
// crosses from one byte to the next).
std::uint64_t zeroBytes(std::uint64_t x) {
    return ~(((x & ~kHighBits) + ~kHighBits) | x) & kHighBits;
}

std::uint64_t bytesEqual(std::uint64_t x, std::uint8_t c) {
    return zeroBytes(x ^ (c * kOnes));
}

// How many bytes of a mask of high bits have theirs set: summed by one
// multiplication into the top byte (eight at most, so no carry).
std::size_t bytesMarked(std::uint64_t highBits) {
    return static_cast<std::size_t>(((highBits >> 7) * kOnes) >> 56);
}

bool isControl(std::uint8_t b) {
    return (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0x7F;
}

// Text has no NUL and hardly any other control character besides tab, line
// feed, carriage return and form feed.
bool looksLikeText(std::string_view text) {
    std::size_t controls = 0;
    std::size_t zeros = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    // Eight bytes at a time; most hold no byte below a space and no DEL.
    for (; n - i >= sizeof(std::uint64_t); i += sizeof(std::uint64_t)) {
        std::uint64_t x = 0;
        std::memcpy(&x, text.data() + i, sizeof x);
        const std::uint64_t belowSpace = ~(((x & ~kHighBits) + 0x60 * kOnes) | x) & kHighBits;
        const std::uint64_t del = bytesEqual(x, 0x7F);
        if ((belowSpace | del) == 0) {
            continue;
        }
        const std::uint64_t allowed =
            bytesEqual(x, '\t') | bytesEqual(x, '\n') | bytesEqual(x, '\r') | bytesEqual(x, '\f');
        zeros += bytesMarked(zeroBytes(x));
        controls += bytesMarked((belowSpace & ~allowed) | del);
    }
    for (; i < n; ++i) {
        const auto b = static_cast<std::uint8_t>(text[i]);
        zeros += b == 0 ? 1U : 0U;
        controls += isControl(b) ? 1U : 0U;
    }
    return zeros == 0 && controls * 100 <= text.size();
}

} // namespace

Result<std::string> decodeText(std::string_view bytes) {
    std::string text;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        const std::string_view rest = bytes.substr(3);
        text = isUtf8(rest) ? std::string(rest) : fromLatin1(rest);
    } else if (bytes.starts_with("\xFF\xFE")) {
        text = fromUtf16(bytes.substr(2), false);
    } else if (bytes.starts_with("\xFE\xFF")) {
        text = fromUtf16(bytes.substr(2), true);
    } else if (const std::optional<bool> bigEndian = utf16WithoutMark(bytes)) {
        text = fromUtf16(bytes, *bigEndian);
    } else {
        text = isUtf8(bytes) ? std::string(bytes) : fromLatin1(bytes);
    }
    if (!looksLikeText(text)) {
        return Result<std::string>::refused(kMsgNotText);
    }
    return text;
}

Result<std::string> decodeOwnedText(std::string bytes) {
    const bool mark = bytes.starts_with("\xEF\xBB\xBF");
    const bool utf16 = !mark && (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
                                 utf16WithoutMark(bytes).has_value());
    if (utf16 || !isUtf8(std::string_view(bytes).substr(mark ? 3 : 0))) {
        return decodeText(bytes); // a new text of another encoding
    }
    // UTF-8, the usual case, is its own text: the bytes are kept, not copied.
    bytes.erase(0, mark ? 3 : 0);
    if (!looksLikeText(bytes)) {
        return Result<std::string>::refused(kMsgNotText);
    }
    return Result<std::string>(std::move(bytes));
}

} // namespace pick3
