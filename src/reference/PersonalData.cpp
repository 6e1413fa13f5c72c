#include "reference/PersonalData.h"

#include "platform/NumberText.h"
#include "platform/Reporter.h"
#include "platform/SettingsFile.h"

#include <stdexcept>

namespace pelcor {

PersonalData::PersonalData(Reporter& reporter) : reporter_(reporter) {
    for (Entry& e : entries_)
        e.hint = FormatGeneral(e.value);
}

size_t PersonalData::index(int tag) {
    if (!IsEntryTag(tag))
        throw std::out_of_range("no personal entry has Tag " + std::to_string(tag));
    return static_cast<size_t>(tag - kFirstTag);
}

const PersonalData::Entry& PersonalData::entry(int tag) const {
    return entries_[index(tag)];
}

void PersonalData::Insert(int tag) {
    reporter_.replaceReadout(FormatGeneral(entry(tag).value), /*focus=*/false);
}

PersonalData::Proposal PersonalData::BeginEdit(int tag, const std::string& readoutText) {
    const Entry& e = entry(tag);
    edited_ = tag;
    return {e.title, e.value != 0 ? FormatGeneral(e.value) : readoutText};
}

bool PersonalData::Update(std::string& title, std::string& value) {
    if (!edited_) return false;
    const std::string valueText = value.empty() ? "0" : value;
    const std::optional<double> number = ParseNumber(valueText);
    if (!number) {
        // The entry keeps its title, hint and number together; the user's text stays in
        // the panel to be corrected.
        reporter_.showMessage("'" + valueText + "' is not a valid floating point value");
        return false;
    }
    value = valueText;
    if (value == "0") title.clear(); // an entry of value 0 loses its title
    title = StoredTitle(title);
    Entry& e = entries_[index(*edited_)];
    e.title = title;
    e.hint = value;
    e.value = *number;
    edited_.reset();
    return true;
}

std::string PersonalData::StoredTitle(const std::string& title) {
    std::string out;
    int characters = 0;
    for (size_t i = 0; i < title.size(); ++i) {
        char c = title[i];
        // A UTF-8 continuation byte belongs to the character before it.
        const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (startsCharacter && characters == kMaxTitleLength) break;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < title.size() && title[i + 1] == '\n') ++i; // one break
            c = ' ';
        }
        if (startsCharacter) ++characters;
        out += c;
    }
    return out;
}

void PersonalData::LoadSettings(const Settings& settings) {
    for (int i = 0; i < kEntries; ++i) {
        Entry& e = entries_[static_cast<size_t>(i)];
        e.title = StoredTitle(settings.personalTitles[i]);
        if (const auto& v = settings.personalValues[i]) {
            e.value = *v;
            e.hint = FormatGeneral(*v);
        }
    }
}

void PersonalData::SaveSettings(Settings& settings) const {
    for (int i = 0; i < kEntries; ++i) {
        const Entry& e = entries_[static_cast<size_t>(i)];
        settings.personalTitles[i] = e.title;
        settings.personalValues[i] = e.value;
    }
}

} // namespace pelcor
