#include "controls/smooth/HtmlMarkup.h"

#include <array>
#include <cctype>
#include <charconv>

#include "ui/Utf8.h"

namespace sk::smooth::html {

namespace {

char upperChar(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (upperChar(text[at + i]) != upperChar(prefix[i])) return false;
    return true;
}

struct Entity {
    std::string_view name;         // with "&" and ";"
    std::string_view replacement;  // UTF-8 of the Windows-1252 character
};

// The characters that the markup's entities stand for. The markup was written
// for a single-byte code page; here each becomes its Unicode character.
constexpr std::array<Entity, 9> kEntities{{
    {"&amp;", "&"},
    {"&quot;", "\""},
    {"&sect;", "\u00A7"},
    {"&permil;", "\u2030"},
    {"&reg;", "\u00AE"},
    {"&copy;", "\u00A9"},
    {"&para;", "\u00B6"},
    {"&trade;", "\u2122"},
    {"&euro;", "\u20AC"},
}};

// Replaces the entities in one left-to-right pass. An ampersand produced by
// "&amp;" is put back in front of the unread text, so it can begin the next
// entity: the result is that of replacing again until none is left, in linear time.
std::string replaceEntities(std::string text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        const Entity* match = nullptr;
        for (const Entity& e : kEntities)
            if (startsWithNoCase(text, i, e.name)) {
                match = &e;
                break;
            }
        if (!match) {
            out += text[i++];
        } else if (match->replacement == "&") {
            i += match->name.size() - 1;
            text[i] = '&';
        } else {
            out += match->replacement;
            i += match->name.size();
        }
    }
    return out;
}

// "<#808080>" shows as "#808080": the first "<#" loses its "<", the next ">" goes.
void unwrapFirstHashTag(std::string& text) {
    const std::size_t open = text.find("<#");
    if (open == std::string::npos) return;
    text.erase(open, 1);
    const std::size_t close = text.find('>', open);
    if (close != std::string::npos) text.erase(close, 1);
}

std::string withLineEndsAsBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            out += "<BR>";
        else if (c != '\n' && c != '\0')
            out += c;
    }
    return out;
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

struct NamedColor {
    std::string_view name;
    drawing::TColor value;
};

constexpr std::array<NamedColor, 40> kColors{{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", 0xFF000001},
    {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003},
    {"clmenu", 0xFF000004},
    {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006},
    {"clmenutext", 0xFF000007},
    {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009},
    {"clactiveborder", 0xFF00000A},
    {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C},
    {"clhighlight", 0xFF00000D},
    {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F},
    {"clbtnshadow", 0xFF000010},
    {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012},
    {"clinactivecaptiontext", 0xFF000013},
    {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015},
    {"cl3dlight", 0xFF000016},
    {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018},
}};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;  // not a hexadecimal digit: counts as 0, as a lenient reader would
}

int hexPair(std::string_view upper, std::size_t at) {
    const int high = at < upper.size() ? hexDigit(upper[at]) : 0;
    const int low = at + 1 < upper.size() ? hexDigit(upper[at + 1]) : 0;
    return high * 16 + low;
}

}  // namespace

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperChar(c);
    return out;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::string prepareMarkup(std::string_view markup) {
    std::string text = replaceEntities(ui::encodeUtf8(ui::decodeUtf8(markup)));
    unwrapFirstHashTag(text);
    return withLineEndsAsBreaks(text);
}

std::string replaceRunEntities(std::string_view run) {
    std::string out;
    out.reserve(run.size());
    std::size_t i = 0;
    while (i < run.size()) {
        if (run[i] == '&') {
            if (startsWithNoCase(run, i, "&nbsp;")) {
                out += ' ';
                i += 6;
                continue;
            }
            if (startsWithNoCase(run, i, "&lt;") || startsWithNoCase(run, i, "&gt;")) {
                out += upperChar(run[i + 1]) == 'L' ? '<' : '>';
                i += 4;
                continue;
            }
        }
        out += run[i++];
    }
    return out;
}

TagKind classifyTag(std::string_view tagText) {
    const std::string upper = upperAscii(tagText.substr(0, std::min<std::size_t>(tagText.size(), 8)));
    std::size_t at = 1;
    TagKind kind;
    if (upper.size() > at && upper[at] == '/') {
        kind.closing = true;
        ++at;
    }
    const char first = upper.size() > at ? upper[at] : '\0';
    const char next = upper.size() > at + 1 ? upper[at + 1] : '\0';
    const std::string_view rest = std::string_view(upper).substr(at);
    switch (first) {
        case 'A':
            kind.tag = Tag::Anchor;
            break;
        case 'B':
            kind.tag = next == 'R' ? Tag::LineBreak : next == 'O' ? Tag::Body : Tag::Bold;
            break;
        case 'E':
            kind.tag = Tag::ErrorMark;
            break;
        case 'F':
            kind.tag = Tag::Font;
            break;
        case 'H':
            kind.tag = next == 'R' ? Tag::Rule : next == 'I' ? Tag::Highlight : Tag::Unknown;
            break;
        case 'I':
            kind.tag = next == 'M' ? Tag::Image : next == 'N' ? Tag::Indent : Tag::Italic;
            break;
        case 'L':
            kind.tag = next == 'I' ? Tag::ListItem : Tag::Unknown;
            break;
        case 'O':
            kind.tag = next == 'F' ? Tag::Offset : Tag::Unknown;
            break;
        case 'P':
            kind.tag = Tag::Paragraph;
            break;
        case 'R':
            kind.tag = Tag::Rotate;
            break;
        case 'U':
            kind.tag = next == 'L' ? Tag::List : Tag::Underline;
            break;
        case 'Z':
            kind.tag = Tag::Hidden;
            break;
        case 'S':
            if (rest.starts_with("SUB>") && tagText.size() == at + 4)
                kind.tag = Tag::Subscript;
            else if (rest.starts_with("SUP>") && tagText.size() == at + 4)
                kind.tag = Tag::Superscript;
            else
                kind.tag = next == 'H' ? Tag::Shadow : Tag::StrikeOut;
            break;
        default:
            kind.tag = Tag::Unknown;
            break;
    }
    return kind;
}

TagAttributes::TagAttributes(std::string_view tagText) : m_text(tagText), m_upper(upperAscii(tagText)) {}

// The first occurrence of the name that is not the beginning of a longer name
// ("BGCOLOR" skips "BGCOLORTO").
std::size_t TagAttributes::find(std::string_view upperName) const {
    std::size_t at = m_upper.find(upperName);
    while (at != std::string::npos) {
        const std::size_t after = at + upperName.size();
        if (after >= m_upper.size() || !isNameChar(m_upper[after])) return at;
        at = m_upper.find(upperName, at + 1);
    }
    return std::string::npos;
}

bool TagAttributes::has(std::string_view upperName) const {
    return find(upperName) != std::string::npos;
}

std::optional<std::string> TagAttributes::value(std::string_view upperName) const {
    const std::size_t at = find(upperName);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t open = m_text.find('"', at + upperName.size());
    if (open == std::string::npos) return std::string();
    const std::size_t close = m_text.find('"', open + 1);
    if (close == std::string::npos) return std::string();
    return std::string(m_text.substr(open + 1, close - open - 1));
}

std::string TagAttributes::upperValue(std::string_view upperName) const {
    return upperAscii(value(upperName).value_or(std::string()));
}

std::optional<int> TagAttributes::intValue(std::string_view upperName) const {
    const std::optional<std::string> text = value(upperName);
    if (!text) return std::nullopt;
    std::string_view digits = *text;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end == digits.data()) return std::nullopt;
    return number;
}

drawing::TColor parseColor(std::string_view value) {
    const std::string upper = upperAscii(value);
    if (!upper.empty() && upper.front() == '#') {
        const int r = hexPair(upper, 1), g = hexPair(upper, 3), b = hexPair(upper, 5);
        return static_cast<drawing::TColor>(b << 16 | g << 8 | r);
    }
    std::string lower(value);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const NamedColor& named : kColors)
        if (named.name == lower) return named.value;
    return drawing::clBlack;
}

}  // namespace sk::smooth::html
