// Checks the help page that the build copies beside the program.

#include "calc/Calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadPage() {
    std::ifstream in(PELCOR_HELP_PAGE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every value of `attribute="..."` in the page, in order.
std::vector<std::string> AttributeValues(const std::string& page, const std::string& attribute) {
    std::vector<std::string> values;
    const std::string opening = " " + attribute + "=\"";
    for (std::size_t at = page.find(opening); at != std::string::npos;
         at = page.find(opening, at + 1)) {
        const std::size_t start = at + opening.size();
        values.push_back(page.substr(start, page.find('"', start) - start));
    }
    return values;
}

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80         ? 0
                          : (lead >> 5) == 6  ? 1
                          : (lead >> 4) == 14 ? 2
                          : (lead >> 3) == 30 ? 3
                                              : -1;
        if (extra < 0 || i + extra >= text.size()) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        i += 1 + extra;
    }
    return true;
}

// Walks the tags and returns the first nesting fault, or an empty text. Elements without
// content (meta, br, ...) need no end tag; every other element must be closed explicitly.
std::string FirstNestingFault(const std::string& page) {
    static const std::set<std::string> kEmpty{"meta", "br", "hr", "img", "link", "input", "wbr"};
    std::vector<std::string> open;
    for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
        const std::size_t end = page.find('>', at);
        if (end == std::string::npos) return "unterminated tag";
        if (page[at + 1] == '!') continue; // doctype or comment
        const bool closing = page[at + 1] == '/';
        std::size_t nameEnd = at + (closing ? 2 : 1);
        std::string name;
        while (nameEnd < end && std::isalnum(static_cast<unsigned char>(page[nameEnd])))
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(page[nameEnd++])));
        if (name.empty()) return "stray '<' near " + page.substr(at, 20);
        if (!closing) {
            if (!kEmpty.count(name)) open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return "</" + name + "> closes " + (open.empty() ? "nothing" : "<" + open.back() + ">");
        } else {
            open.pop_back();
        }
    }
    return open.empty() ? "" : "<" + open.back() + "> never closed";
}

TEST(HelpPage, IsASelfContainedUtf8Html5Document) {
    const std::string page = ReadPage();
    ASSERT_FALSE(page.empty()) << "cannot read " << PELCOR_HELP_PAGE;
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    const std::size_t title = page.find("<title>");
    ASSERT_NE(title, std::string::npos);
    EXPECT_GT(page.find("</title>"), title + 7) << "the title is empty";
    EXPECT_TRUE(IsUtf8(page));
    EXPECT_EQ(FirstNestingFault(page), "");

    // Everything the page needs is inside it: no scripts, no fetched files, no web links.
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_TRUE(AttributeValues(page, "src").empty());
    EXPECT_EQ(page.find("://"), std::string::npos);
}

TEST(HelpPage, EveryLinkLeadsToASectionOfThePage) {
    const std::string page = ReadPage();
    const std::vector<std::string> ids = AttributeValues(page, "id");
    const std::set<std::string> targets(ids.begin(), ids.end());
    EXPECT_EQ(targets.size(), ids.size()) << "an id is used twice";

    const std::vector<std::string> links = AttributeValues(page, "href");
    EXPECT_GE(links.size(), 8u) << "the table of contents is missing";
    for (const std::string& link : links) {
        ASSERT_FALSE(link.empty());
        EXPECT_EQ(link[0], '#') << link << " leaves the page";
        EXPECT_TRUE(targets.count(link.substr(1))) << link << " has no matching id";
    }
}

TEST(HelpPage, DescribesTheWholeProgram) {
    const std::string page = ReadPage();
    for (const char* term : {"Readout",
                             "Information line",
                             "Constants tabs",
                             "Status bar",
                             "tape",
                             "MS1",
                             "MR4",
                             "CLR",
                             "Inv",
                             "degrees",
                             "2.718282",
                             "5 + 3 x 2 =",
                             "Hexadecimal",
                             "Binary",
                             "Xor",
                             "Nor",
                             "equal",
                             "Solv",
                             "Data",
                             "Parabola",
                             "hyperbolas",
                             ".pcz",
                             "JPEG",
                             "bitmap",
                             "Converter",
                             "thirteen",
                             "CalcMode"}) {
        EXPECT_NE(page.find(term), std::string::npos) << term;
    }
}

} // namespace

// The keyboard table of the page against the calculator's own keyboard map, and the menu
// keys against the keys the menus show.
TEST(HelpPage, ListsEveryKeyboardKeyAndMenuKey) {
    const std::string page = ReadPage();
    const std::size_t start = page.find("<table id=\"keyboard-table\">");
    ASSERT_NE(start, std::string::npos);
    const std::string table = page.substr(start, page.find("</table>", start) - start);
    for (const pelcor::KeyboardKey& k : pelcor::DecimalKeyboard) {
        if (k.typed >= '0' && k.typed <= '9') continue; // one row for the digits
        const std::string name = k.keyName;
        EXPECT_NE(table.find("<kbd>" + name + "</kbd>"), std::string::npos) << name;
    }
    EXPECT_NE(table.find("<kbd>0</kbd> &hellip; <kbd>9</kbd>"), std::string::npos);
    // Each letter's row names the key it types, in the keypad's caption.
    for (const char* row : {"<kbd>R</kbd></td><td>&radic;x", "<kbd>Y</kbd></td><td>&#8319;&radic;x",
                            "<kbd>Q</kbd></td><td>x&sup2;", "<kbd>^</kbd></td><td>x&#8319;",
                            "<kbd>U</kbd></td><td>1/x", "<kbd>~</kbd></td><td>+/-",
                            "<kbd>N</kbd></td><td>Ln", "<kbd>Esc</kbd></td><td>CE"})
        EXPECT_NE(table.find(row), std::string::npos) << row;

    const std::size_t menus = page.find("<table id=\"shortcut-table\">");
    ASSERT_NE(menus, std::string::npos);
    const std::string keys = page.substr(menus, page.find("</table>", menus) - menus);
    for (const char* row :
         {"Ctrl+N</kbd></td><td>File &rsaquo; New", "Ctrl+S</kbd></td><td>File &rsaquo; Save",
          "Ctrl+O</kbd></td><td>File &rsaquo; Load", "Ctrl+E</kbd></td><td>File &rsaquo; Export",
          "Ctrl+P</kbd></td><td>File &rsaquo; Print", "Ctrl+Q</kbd></td><td>File &rsaquo; Exit",
          "Ctrl+Z</kbd></td><td>Edit &rsaquo; Undo", "Ctrl+C</kbd></td><td>Edit &rsaquo; Copy",
          "Ctrl+V</kbd></td><td>Edit &rsaquo; Paste",
          "Ctrl+Shift+C</kbd></td><td>Edit &rsaquo; Copy Picture",
          "F1</kbd></td><td>Help &rsaquo; Help", "F2</kbd></td><td>Conversion"})
        EXPECT_NE(keys.find(row), std::string::npos) << row;
}
