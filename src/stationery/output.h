#pragma once

#include <string>
#include <string_view>

namespace stationery {

// Where a person's text stands in the markup, which decides what must be escaped.
enum class Place { Text, Attribute, Comment };

// The stationery file as it is being built: bytes in the ANSI code page, every line
// ended by CR LF. Fixed markup goes in with text(); the user's own texts go in
// through the escaping that suits where they stand in the file.
class StationeryOutput {
public:
    StationeryOutput();

    // Fixed markup: ASCII, appended as it is.
    StationeryOutput& text(std::string_view ascii);
    // User text in markup or a comment. A character the code page lacks becomes a
    // numeric character reference; CR and LF do too, so a line never splits.
    StationeryOutput& html(std::string_view utf8);
    // User text inside a double-quoted attribute: as html(), and & and " become
    // &amp; and &quot;, so a path or a style reads back as typed.
    StationeryOutput& attribute(std::string_view utf8);
    // User text inside an HTML comment: as html(), and the ">" that would close the
    // comment early ("-->", "--!>") becomes &gt;.
    StationeryOutput& comment(std::string_view utf8);
    // User text inside a double-quoted JavaScript string literal, escaped so that the
    // script reads back exactly the text given.
    StationeryOutput& jsString(std::string_view utf8);

    void endLine();
    void line(std::string_view ascii) {
        text(ascii);
        endLine();
    }
    void blankLine() { endLine(); }

    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    void markup(std::string_view utf8, Place place);
    bool endsComment() const;
    void characterReference(char32_t codePoint);
    void unicodeEscape(char32_t codePoint);

    std::string bytes_;
};

} // namespace stationery
