#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace pelcor {

class Reporter;
struct Settings;

// The personal data list: fourteen entries, Tags 601 to 614, each a title and a number the
// user keeps. A left click puts an entry's number into the readout; any other button opens
// the small panel where its title and number are changed. Both are kept between runs.
class PersonalData {
public:
    static constexpr int kFirstTag = 601;
    static constexpr int kEntries = 14;
    // Titles longer than this are cut when they are stored.
    static constexpr int kMaxTitleLength = 200;

    struct Entry {
        std::string title; // the caption
        double value = 0;  // PersonalValues[Tag - 601]
        std::string hint;  // the number as text, shown on hover
    };

    // What the edit panel shows when it opens.
    struct Proposal {
        std::string title; // NewTitleEdit
        std::string value; // NewValueEdit
    };

    explicit PersonalData(Reporter& reporter);

    static bool IsEntryTag(int tag) { return tag >= kFirstTag && tag < kFirstTag + kEntries; }
    // The entry of a Tag 601..614.
    const Entry& entry(int tag) const;
    // The Tag whose title and number the edit panel changes, while it is open.
    std::optional<int> EditedEntry() const { return edited_; }

    // Left button: the entry's number in the general decimal form into the readout, as a
    // plain change of its text.
    void Insert(int tag);
    // Any other button: the entry becomes the one edited. The panel proposes its title and
    // its number, or the readout's text when the number is 0, so a value just computed
    // can be stored.
    Proposal BeginEdit(int tag, const std::string& readoutText);
    // "Update" with the panel's two texts. An empty value counts as "0", and the value "0"
    // empties the title. A value that is not a number is reported and changes nothing, and
    // the panel stays open: gives false. Otherwise the entry takes the title (line breaks
    // made blanks, cut to kMaxTitleLength), the number and the value's text as its hint,
    // the panel closes, and `title` and `value` hold what was stored: gives true.
    bool Update(std::string& title, std::string& value);
    // "Close" of the edit panel: nothing changes.
    void CancelEdit() { edited_.reset(); }

    // The titles and numbers in the settings, in Tag order.
    void LoadSettings(const Settings& settings);
    void SaveSettings(Settings& settings) const;

    // A title as it is stored: one line of at most kMaxTitleLength characters.
    static std::string StoredTitle(const std::string& title);

private:
    static size_t index(int tag);

    Reporter& reporter_;
    std::array<Entry, kEntries> entries_;
    std::optional<int> edited_;
};

} // namespace pelcor
