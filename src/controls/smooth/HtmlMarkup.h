// The text side of the mini-HTML markup, free of any drawing: preparing a text
// for layout (entities, the "<#" rule, line ends), recognising tags, reading
// attributes and colours.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "drawing/Color.h"

namespace sk::smooth::html {

// Invalid UTF-8 made valid (U+FFFD per bad byte); entities replaced, repeatedly
// ("&amp;amp;" gives "&"), except "&nbsp;", "&lt;" and "&gt;", which stay for
// replaceRunEntities; the first "<#" loses its "<" and the next ">"; every CR
// becomes "<BR>" and every LF is dropped.
std::string prepareMarkup(std::string_view markup);

// "&nbsp;" becomes a space, "&lt;" and "&gt;" become "<" and ">", in one run.
std::string replaceRunEntities(std::string_view run);

enum class Tag {
    Unknown,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    Subscript,
    Superscript,
    Shadow,
    Hidden,
    ErrorMark,
    LineBreak,
    Rule,
    Highlight,
    Font,
    Paragraph,
    List,
    ListItem,
    Indent,
    Offset,
    Anchor,
    Image,
    Body,
    Rotate
};

struct TagKind {
    Tag tag = Tag::Unknown;
    bool closing = false;
};

// Recognises a tag text "<...>" (or "<..." without its ">") by its first letter
// and, where tags share it, the next one; <SUB> and <SUP> only as exactly that.
TagKind classifyTag(std::string_view tagText);

// Attributes of one tag: names are searched in the upper-cased tag text; a
// value is what lies between the next two double quotes, in the original case.
class TagAttributes {
public:
    explicit TagAttributes(std::string_view tagText);
    // Found name: its value ("" when unquoted); missing: nothing.
    std::optional<std::string> value(std::string_view upperName) const;
    std::string upperValue(std::string_view upperName) const;
    std::optional<int> intValue(std::string_view upperName) const;
    bool has(std::string_view upperName) const;

private:
    std::size_t find(std::string_view upperName) const;
    std::string_view m_text;
    std::string m_upper;
};

// A colour name of the markup ("clNavy", any case) or "#RRGGBB"; unknown is black.
drawing::TColor parseColor(std::string_view value);

std::string upperAscii(std::string_view text);
// The number of UTF-8 characters (lead bytes) in a text.
std::size_t characterCount(std::string_view text);

}  // namespace sk::smooth::html
