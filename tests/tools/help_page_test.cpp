// Checks the help page that the build copies beside the program.

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
