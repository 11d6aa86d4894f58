#include "controls/smooth/HtmlLayout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/Platform.h"

namespace sk::smooth {

using drawing::CanvasFont;
using drawing::Rect;
using drawing::Size;
using drawing::TColor;
using html::Tag;

namespace {

constexpr int kListStep = 12;  // pixels per list level, and the bullet's distance
constexpr int kBulletSize = 8;
constexpr int kGradientBands = 64;
constexpr int kLargestPoints = 400;  // sizes beyond are taken as this: a hostile SIZE cannot stall layout
constexpr int kFarthestPen = 100000;
constexpr int kLowestLine = 1 << 29;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

int heightForPoints(int points) {
    return -static_cast<int>(std::lround(std::clamp(points, 1, kLargestPoints) * 96.0 / 72.0));
}

int pointsForSize(int size) {
    static constexpr int kSizes[] = {8, 10, 12, 14, 16};
    return size >= 1 && size <= 5 ? kSizes[size - 1] : size;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool startsWithNoCase(std::string_view text, std::string_view upperPrefix) {
    return html::upperAscii(text.substr(0, upperPrefix.size())) == upperPrefix;
}

std::uint32_t channel(TColor rgb, int shift) {
    return (rgb >> shift) & 0xFF;
}

}  // namespace

HtmlLayout::HtmlLayout(HtmlTextTarget& target, const CanvasFont& baseFont, const HtmlTextOptions& options)
    : m_target(target), m_base(baseFont), m_options(options) {}

// ---- The line loop -------------------------------------------------------------

HtmlTextResult HtmlLayout::run(std::string preparedText) {
    m_text = std::move(preparedText);
    m_end = m_text.size();
    while (m_end > 0 && isBlank(m_text[m_end - 1])) --m_end;
    m_state = State{};
    m_state.font = m_base;
    const Rect& rect = m_options.rect;
    const bool drawing = !m_options.measureOnly;
    if (drawing) m_target.beginDrawing(rect);

    int y = rect.top, widest = 0;
    bool anyLine = false, anyContent = false;
    std::size_t pos = 0;
    while (true) {
        while (pos < m_end && isBlank(m_text[pos])) ++pos;
        if (pos >= m_end) break;
        anyLine = true;
        const State lineStart = m_state;
        Line line;
        line.end = layLine(pos, line, nullptr);
        finishMeasuring(line);
        // Closing tags after the last line's end ("...</P></B></FONT>") make no empty line of their own.
        if (!line.hasContent && line.end >= m_end && anyContent) break;
        anyContent = anyContent || line.hasContent;
        // Heights are limited so that no number of tall lines can overflow.
        const int boxHeight = std::clamp(
            line.height + m_options.extraSpacing + line.subExtent + line.superExtent, 0, kFarthestPen);
        const Box box{lineX(line), y, y + boxHeight};
        hitTest(line, box);
        widest = std::max(widest, line.width);
        if (drawing) {
            m_state = lineStart;
            paintLineBackground(line, box);
            m_focusRect = {};
            layLine(pos, line, &box);
            if (m_state.link >= 0 && m_state.link == m_options.focusLink) m_target.drawFocusRect(m_focusRect);
        }
        pos = line.end;
        y = std::min(y + boxHeight, kLowestLine);
        m_result.height = std::min(m_result.height + boxHeight, kLowestLine);
        if (drawing && y + ghHeight(m_state.font) > rect.bottom()) break;
    }
    if (!anyLine) m_result.height = ghHeight(m_base);
    if (drawing) m_target.endDrawing();
    m_result.width = widest + 2;
    m_result.linkCount = m_state.linkCount;
    return std::move(m_result);
}

std::size_t HtmlLayout::nextTagFrom(std::size_t pos) {
    // Cached, so that a long text without tags is not searched again for every
    // word; valid while pos lies between the search's start and its result.
    if (pos < m_nextTagSearchedFrom || pos > m_nextTag) {
        m_nextTagSearchedFrom = pos;
        m_nextTag = std::min(m_text.find('<', pos), m_end);
    }
    return m_nextTag;
}

std::size_t HtmlLayout::layLine(std::size_t pos, Line& line, const Box* box) {
    const bool drawing = box != nullptr;
    const std::size_t lineStart = pos, stop = drawing ? line.end : m_end;
    const int available = m_options.rect.width - m_state.indent;
    int pen = 0;
    std::size_t runIndex = 0;
    bool itemSeen = false, lastEndsWithSpace = false;
    if (!drawing) {
        line.height = line.textHeight = ghHeight(m_state.font);
        if (m_state.paragraphColor != drawing::clNone) {
            line.background = m_state.paragraphColor;
            line.backgroundTo = m_state.paragraphColorTo;
        }
    }
    while (pos < stop) {
        if (m_text[pos] == '<') {
            if (m_end - pos <= 8 &&
                html::characterCount(std::string_view(m_text).substr(pos, m_end - pos)) <= 2) {
                pos = m_end;
                break;
            }
            const std::size_t close = m_text.find('>', pos);
            if (close == std::string::npos || close >= m_end) {
                pos = m_end;  // an unterminated tag drops the rest of the text
                break;
            }
            const std::string_view tagText = std::string_view(m_text).substr(pos, close - pos + 1);
            const TagOutcome outcome =
                handleTag(html::classifyTag(tagText), tagText, pen, line, box, pos == lineStart, itemSeen);
            if (outcome == TagOutcome::BreakBefore) break;
            pos = close + 1;
            if (outcome == TagOutcome::LineEnd) break;
            continue;
        }
        std::size_t runEnd = std::min(nextTagFrom(pos), stop);
        if (m_options.wordWrap) {
            const std::size_t space = std::string_view(m_text).substr(pos, runEnd - pos).find(' ');
            if (space != std::string_view::npos) runEnd = pos + space + 1;
        }
        if (m_state.hidden) {
            pos = runEnd;
            continue;
        }
        std::string runText = html::replaceRunEntities(std::string_view(m_text).substr(pos, runEnd - pos));
        Size size;
        if (drawing) {
            if (runIndex < line.runSizes.size()) size = line.runSizes[runIndex++];
            drawTextRun(runText, box->x + pen, size, runEnd, line, *box);
        } else {
            size = m_target.measureRun(m_state.font, runText);
            if (m_options.wordWrap && pos > lineStart && size.width < available &&
                m_target.wrapsBefore(pen + size.width, available, lastEndsWithSpace))
                break;
            line.runSizes.push_back(size);
            line.hasContent = true;
            line.height = std::max(line.height, size.height);
            line.textHeight = std::max(line.textHeight, size.height);
            if (m_state.subscript) line.subExtent = m_target.scriptExtent(size.height, line.subExtent);
            if (m_state.superscript) line.superExtent = m_target.scriptExtent(size.height, line.superExtent);
            if (m_state.link >= 0)
                line.spans.push_back({m_state.link, m_state.linkAddress, {}, pen, pen + size.width});
            m_result.plainText += runText;
        }
        pen = std::min(pen + size.width, kFarthestPen);
        line.width = std::max(line.width, pen);
        lastEndsWithSpace = !runText.empty() && runText.back() == ' ';
        pos = runEnd;
    }
    if (!drawing) line.endsWithSpace = lastEndsWithSpace;
    return pos;
}

void HtmlLayout::finishMeasuring(Line& line) {
    if (line.endsWithSpace)
        line.width = std::max(0, line.width - std::max(0, m_target.measureRun(m_state.font, " ").width));
    const int above = line.height - line.textHeight;
    if (line.imageAlign == ImageAlign::Top) line.textShift = above;
    if (line.imageAlign == ImageAlign::Middle) line.textShift = above / 2;
}

int HtmlLayout::lineX(const Line& line) const {
    const Rect& rect = m_options.rect;
    int x = rect.left;
    if (m_state.align == Align::Right && rect.right() - line.width > rect.left) x = rect.right() - line.width;
    if (m_state.align == Align::Center && (rect.width - line.width) / 2 > 0)
        x = rect.left + (rect.width - line.width) / 2;
    return x + m_state.indent;
}

int HtmlLayout::textBottom(const Line& line, const Box& box) const {
    return box.bottom - line.subExtent;
}

int HtmlLayout::ghHeight(const CanvasFont& font) {
    if (m_ghHeight < 0 || !(font == m_ghFont)) {
        m_ghFont = font;
        m_ghHeight = m_target.measureRun(font, "gh").height;
    }
    return m_ghHeight;
}

// ---- Runs ------------------------------------------------------------------------

void HtmlLayout::drawTextRun(std::string runText, int x, Size size, std::size_t runEnd, const Line& line,
                             const Box& box) {
    const Rect& rect = m_options.rect;
    if (m_target.skipsRunsAtRightEdge() && !m_options.wordWrap &&
        x >= rect.right() - m_target.measureRun(m_state.font, "w").width)
        return;
    int bottom = textBottom(line, box) - line.textShift;
    if (m_state.superscript) bottom -= line.superExtent;
    if (m_state.subscript) bottom += line.subExtent;
    const Rect runRect =
        Rect::fromEdges(x, bottom - size.height, std::min(x + size.width, rect.right()), bottom);

    // The underline of a link runs on through the space to the link's next word.
    if (m_target.joinsLinkWords() && m_state.link >= 0 && m_state.font.underline && runText.size() > 1 &&
        runText.back() == ' ' && runEnd < m_end && m_text[runEnd] != '<' && !isBlank(m_text[runEnd]))
        runText.back() = '_';

    HtmlRunStyle style{&m_state.font, drawing::clNone, !m_options.wordWrap};
    if (m_state.shadow) {
        CanvasFont shadowFont = m_state.font;
        shadowFont.color = m_options.shadowColor;
        const HtmlRunStyle shadowStyle{&shadowFont, drawing::clNone, style.ellipsis};
        m_target.drawRun(runText, runRect.translated(m_options.shadowOffset, m_options.shadowOffset),
                         shadowStyle);
    }
    style.background = m_state.background;
    m_target.drawRun(runText, runRect, style);
    if (m_state.errorMark) m_target.drawZigzag(runRect.left, runRect.right(), bottom);
    if (m_state.link >= 0 && m_state.link == m_options.focusLink)
        m_focusRect = m_focusRect.united(Rect::fromEdges(runRect.left, box.top, runRect.right(), box.bottom));
}

// ---- Tags ------------------------------------------------------------------------

HtmlLayout::TagOutcome HtmlLayout::handleTag(const html::TagKind& kind, std::string_view tagText, int& pen,
                                             Line& line, const Box* box, bool atLineStart, bool& itemSeen) {
    const bool on = !kind.closing;
    CanvasFont& font = m_state.font;
    switch (kind.tag) {
        case Tag::Bold:
            font.bold = on;
            break;
        case Tag::Italic:
            font.italic = on;
            break;
        case Tag::Underline:
            font.underline = on;
            break;
        case Tag::StrikeOut:
            font.strikeOut = on;
            break;
        case Tag::Subscript:
        case Tag::Superscript:
            if (kind.closing) {
                m_state.subscript = m_state.superscript = false;
            } else {
                (kind.tag == Tag::Subscript ? m_state.subscript : m_state.superscript) = true;
            }
            break;
        case Tag::Shadow:
            m_state.shadow = on;
            break;
        case Tag::Hidden:
            m_state.hidden = on;
            break;
        case Tag::ErrorMark:
            m_state.errorMark = on;
            break;
        case Tag::LineBreak:
            if (kind.closing) break;
            if (!box) m_result.plainText += '\r';
            return TagOutcome::LineEnd;
        case Tag::Rule:
            if (kind.closing) break;
            if (box) {
                m_target.drawHorizontalLine(m_options.rect.left, m_options.rect.right(),
                                            textBottom(line, *box), drawing::clBlack);
            } else {
                m_result.plainText += '\r';
            }
            return TagOutcome::LineEnd;
        case Tag::Highlight:
            if (on) {
                m_state.colorBeforeHighlight = font.color;
                m_state.backgroundBeforeHighlight = m_state.background;
                font.color = drawing::clHighlightText;
                m_state.background = drawing::clHighlight;
            } else if (m_state.colorBeforeHighlight != drawing::clNone) {
                font.color = m_state.colorBeforeHighlight;
                m_state.background = m_state.backgroundBeforeHighlight;
                m_state.colorBeforeHighlight = drawing::clNone;
            }
            break;
        case Tag::Font:
            handleFont(tagText, kind.closing);
            break;
        case Tag::Paragraph:
            if (kind.closing) {
                m_state.paragraphColor = m_state.paragraphColorTo = drawing::clNone;
                return TagOutcome::LineEnd;
            }
            handleParagraph(tagText, line);
            break;
        case Tag::List:
            if (on) {
                ++m_state.listLevel;
                return TagOutcome::LineEnd;
            }
            if (m_state.listLevel == 0)
                font.underline = false;  // "</UL>" outside a list reads as "</U>"
            else
                --m_state.listLevel;
            break;
        case Tag::ListItem:
            if (kind.closing) return TagOutcome::LineEnd;
            if (itemSeen && !atLineStart) return TagOutcome::BreakBefore;
            itemSeen = true;
            pen = std::min(pen + kListStep * m_state.listLevel, kFarthestPen);
            if (box) drawBullet(tagText, box->x + pen - kListStep, line, *box);
            break;
        case Tag::Indent:
            if (on)
                pen = std::max(
                    pen, std::clamp(html::TagAttributes(tagText).intValue("X").value_or(0), 0, kFarthestPen));
            break;
        case Tag::Offset:
            if (on) {
                if (m_state.penBeforeOffset < 0) m_state.penBeforeOffset = pen;
                pen = std::clamp(html::TagAttributes(tagText).intValue("X").value_or(pen), 0, kFarthestPen);
            } else if (m_state.penBeforeOffset >= 0) {
                pen = m_state.penBeforeOffset;
                m_state.penBeforeOffset = -1;
            }
            break;
        case Tag::Anchor:
            handleAnchor(tagText, kind.closing, box);
            break;
        case Tag::Image:
            if (on) return handleImage(tagText, pen, line, box, atLineStart);
            break;
        case Tag::Body:
            if (on && box) handleBody(tagText);
            break;
        case Tag::Rotate:
            if (m_target.supportsRotation())
                font.escapement =
                    on ? std::clamp(html::TagAttributes(tagText).intValue("A").value_or(0), -3600, 3600) * 10
                       : 0;
            break;
        case Tag::Unknown:
            break;
    }
    line.width = std::max(line.width, pen);
    return TagOutcome::Consumed;
}

void HtmlLayout::handleFont(std::string_view tagText, bool closing) {
    CanvasFont& font = m_state.font;
    if (closing) {
        font.name = m_base.name;
        font.height = m_base.height;
        font.color = m_base.color;
        m_state.background = m_state.backgroundBeforeFont;
        return;
    }
    const html::TagAttributes attributes(tagText);
    m_state.backgroundBeforeFont = m_state.background;
    if (auto face = attributes.value("FACE"); face && !face->empty()) font.name = *face;
    if (auto color = attributes.value(" COLOR")) font.color = html::parseColor(*color);
    if (auto background = attributes.value("BGCOLOR")) m_state.background = html::parseColor(*background);
    if (auto size = attributes.intValue("SIZE")) font.height = heightForPoints(pointsForSize(*size));
}

void HtmlLayout::handleParagraph(std::string_view tagText, Line& line) {
    const html::TagAttributes attributes(tagText);
    if (attributes.has("ALIGN")) {
        const std::string align = attributes.upperValue("ALIGN");
        if (contains(align, "RIGHT")) m_state.align = Align::Right;
        if (contains(align, "LEFT")) m_state.align = Align::Left;
        if (contains(align, "CENTER")) m_state.align = Align::Center;
    }
    if (auto indent = attributes.intValue("INDENT"))
        m_state.indent = std::clamp(*indent, -kFarthestPen, kFarthestPen);
    if (auto color = attributes.value("BGCOLOR")) {
        m_state.paragraphColor = html::parseColor(*color);
        auto to = attributes.value("BGCOLORTO");
        m_state.paragraphColorTo = to ? html::parseColor(*to) : drawing::clNone;
        line.background = m_state.paragraphColor;
        line.backgroundTo = m_state.paragraphColorTo;
    }
}

void HtmlLayout::handleAnchor(std::string_view tagText, bool closing, const Box* box) {
    CanvasFont& font = m_state.font;
    if (closing) {
        if (m_state.link < 0) return;
        if (box && m_state.link == m_options.focusLink) m_target.drawFocusRect(m_focusRect);
        m_focusRect = {};
        font.color = m_state.colorBeforeLink;
        font.underline = false;
        m_state.background = m_state.backgroundBeforeLink;
        m_state.link = -1;
        return;
    }
    if (m_state.link < 0) {
        m_state.colorBeforeLink = font.color;
        m_state.backgroundBeforeLink = m_state.background;
    }
    m_state.link = m_state.linkCount++;
    m_state.linkAddress.clear();
    if (const std::size_t open = tagText.find('"'); open != std::string_view::npos) {
        const std::size_t close = tagText.find('"', open + 1);
        if (close != std::string_view::npos) m_state.linkAddress = tagText.substr(open + 1, close - open - 1);
    }
    const bool hovered = m_options.hover && m_state.link == m_options.hoverLink;
    font.color = m_options.linkColor;
    font.underline = !m_options.hover || hovered;
    if (hovered) {
        if (m_options.hoverColor != drawing::clNone) m_state.background = m_options.hoverColor;
        if (m_options.hoverFontColor != drawing::clNone) font.color = m_options.hoverFontColor;
    }
}

// ---- Pictures --------------------------------------------------------------------

const drawing::Bitmap* HtmlLayout::findPicture(const std::string& source) {
    if (startsWithNoCase(source, "IDX:")) {
        if (!m_options.images) return nullptr;
        int index = -1;
        try {
            index = std::stoi(source.substr(4));
        } catch (const std::exception&) {
            return nullptr;
        }
        return m_options.images->imageAt(index);
    }
    if (startsWithNoCase(source, "SSYS:") || startsWithNoCase(source, "LSYS:")) {
        try {
            auto icon =
                platform::currentPlatform().systemIcon(source.substr(5), startsWithNoCase(source, "L"));
            if (!icon) return nullptr;
            m_icons.push_back(std::move(*icon));
            return &m_icons.back();
        } catch (const std::logic_error&) {
            return nullptr;  // no platform installed: no system icons
        }
    }
    if (contains(source, "://"))
        return m_options.pictureCache ? m_options.pictureCache->picture(source) : nullptr;
    if (!contains(source, ":") && m_options.pictures) return m_options.pictures->pictureNamed(source);
    return nullptr;
}

HtmlLayout::TagOutcome HtmlLayout::handleImage(std::string_view tagText, int& pen, Line& line, const Box* box,
                                               bool atLineStart) {
    const html::TagAttributes attributes(tagText);
    const drawing::Bitmap* picture = findPicture(attributes.value("SRC").value_or(std::string()));
    if (!picture || picture->empty()) return TagOutcome::Consumed;  // a missing picture takes no room
    Size size = picture->size();
    const int width = attributes.intValue("WIDTH").value_or(0),
              height = attributes.intValue("HEIGHT").value_or(0);
    if (width > 0 && height > 0) size = {std::min(width, kFarthestPen), std::min(height, kFarthestPen)};
    const double scale = std::clamp(m_options.imageScale, 0.01, 100.0);
    size = {static_cast<int>(std::lround(size.width * scale)),
            static_cast<int>(std::lround(size.height * scale))};

    if (box) {
        const int bottom = textBottom(line, *box);
        m_target.drawPicture(*picture, {box->x + pen, bottom - size.height, size.width, size.height});
    } else {
        const int available = m_options.rect.width - m_state.indent;
        if (!atLineStart && pen + size.width > available && size.width < available)
            return TagOutcome::BreakBefore;
        line.hasContent = true;
        line.height = std::max(line.height, size.height);
        const std::string align = attributes.upperValue("ALIGN");
        if (align == "TOP") line.imageAlign = ImageAlign::Top;
        if (align == "MIDDLE") line.imageAlign = ImageAlign::Middle;
        if (attributes.has("WRAP")) line.height = line.textHeight;
        const std::string hint = attributes.value("ALT").value_or(std::string());
        if (m_state.link >= 0 || !hint.empty())
            line.spans.push_back({m_state.link, m_state.linkAddress, hint, pen, pen + size.width});
    }
    pen = std::min(pen + size.width, kFarthestPen);
    line.width = std::max(line.width, pen);
    return TagOutcome::Consumed;
}

void HtmlLayout::handleBody(std::string_view tagText) {
    const html::TagAttributes attributes(tagText);
    const Rect& rect = m_options.rect;
    if (auto color = attributes.value("BGCOLOR")) {
        if (auto to = attributes.value("BGCOLORTO"))
            fillGradient(rect, html::parseColor(*color), html::parseColor(*to),
                         attributes.upperValue("DIR") == "H");
        else
            m_target.fillRect(rect, html::parseColor(*color));
    }
    if (auto source = attributes.value("BACKGROUND")) {
        if (const drawing::Bitmap* picture = findPicture(*source); picture && !picture->empty())
            for (int y = rect.top; y < rect.bottom(); y += picture->height())
                for (int x = rect.left; x < rect.right(); x += picture->width())
                    m_target.drawPicture(*picture, {x, y, picture->width(), picture->height()});
    }
    if (auto source = attributes.value("BGTOPLEFT"))
        if (const drawing::Bitmap* picture = findPicture(*source))
            m_target.drawPicture(*picture, {rect.left, rect.top, picture->width(), picture->height()});
    if (auto source = attributes.value("BGTOPRIGHT"))
        if (const drawing::Bitmap* picture = findPicture(*source))
            m_target.drawPicture(
                *picture, {rect.right() - picture->width(), rect.top, picture->width(), picture->height()});
}

// ---- Backgrounds, bullets, hit testing -------------------------------------------

void HtmlLayout::fillGradient(const Rect& rect, TColor from, TColor to, bool horizontal) {
    const TColor a = drawing::ColorToRGB(from), b = drawing::ColorToRGB(to);
    const int length = horizontal ? rect.width : rect.height;
    for (int band = 0; band < kGradientBands; ++band) {
        const int start = length * band / kGradientBands, end = length * (band + 1) / kGradientBands;
        if (end <= start) continue;
        auto mix = [&](int shift) {
            const int ca = static_cast<int>(channel(a, shift)), cb = static_cast<int>(channel(b, shift));
            return static_cast<TColor>(ca + (cb - ca) * band / (kGradientBands - 1)) << shift;
        };
        const TColor color = mix(0) | mix(8) | mix(16);
        m_target.fillRect(horizontal ? Rect{rect.left + start, rect.top, end - start, rect.height}
                                     : Rect{rect.left, rect.top + start, rect.width, end - start},
                          color);
    }
}

void HtmlLayout::paintLineBackground(const Line& line, const Box& box) {
    if (line.background == drawing::clNone) return;
    const Rect band = Rect::fromEdges(m_options.rect.left, box.top, m_options.rect.right(), box.bottom);
    if (line.backgroundTo != drawing::clNone)
        fillGradient(band, line.background, line.backgroundTo, true);
    else
        m_target.fillRect(band, line.background);
}

void HtmlLayout::drawBullet(std::string_view tagText, int x, const Line& line, const Box& box) {
    const html::TagAttributes attributes(tagText);
    const std::string type = attributes.upperValue("TYPE");
    const int bottom = textBottom(line, box) - line.textShift;
    if (m_target.supportsShapedBullets() && (type == "SQUARE" || type == "CIRCLE")) {
        const TColor color = html::parseColor(attributes.value("COLOR").value_or("clblack"));
        const Rect mark{x, bottom - (line.textHeight + kBulletSize) / 2, kBulletSize, kBulletSize};
        if (type == "SQUARE")
            m_target.fillRect(mark, color);
        else
            m_target.fillEllipse(mark, color);
        return;
    }
    CanvasFont symbol = m_state.font;
    symbol.name = "Symbol";
    symbol.underline = symbol.strikeOut = false;
    const std::string_view bullet = m_state.listLevel % 2 == 1 ? "\u2022" : "o";
    const Size size = m_target.measureRun(symbol, bullet);
    m_target.drawRun(bullet, {x, bottom - size.height, size.width, size.height},
                     {&symbol, drawing::clNone, false});
}

void HtmlLayout::hitTest(const Line& line, const Box& box) {
    const drawing::Point p = m_options.hitPoint;
    if (p.y < box.top || p.y >= box.bottom) return;
    for (const HitSpan& span : line.spans) {
        if (p.x < box.x + span.left || p.x >= box.x + span.right) continue;
        if (!span.hint.empty()) m_result.hint = span.hint;
        if (span.link < 0) continue;
        m_result.onLink = true;
        m_result.anchor = span.address;
        m_result.anchorIndex = span.link;
        Rect part;
        for (const HitSpan& other : line.spans)
            if (other.link == span.link)
                part = part.united(
                    Rect::fromEdges(box.x + other.left, box.top, box.x + other.right, box.bottom));
        m_result.anchorRect = part;
    }
}

}  // namespace sk::smooth
