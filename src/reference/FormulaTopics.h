#pragma once

#include "reference/SheetText.h"

#include <string>
#include <vector>

namespace pelcor {

// The science topics of the " Formula Data" list, Tags 401 to 414, each a sheet of
// headings and formulas on the 320 x 320 screen picture; and the chooser that invites the
// user to pick one.
inline constexpr int FirstTopicTag = 401;
inline constexpr int LastTopicTag = 414;

// The caption of a topic's cell ("Gravitational Force", "Ohms Law", ...); empty for a Tag
// that is no topic.
std::string TopicCaption(int tag);
// The topic's texts in the order they are written.
const std::vector<SheetText>& TopicTexts(int tag);

// Fills the picture in cream and writes the chooser's four lines with their arrows.
void DrawChooser(Surface& canvas, std::vector<SheetText>* log = nullptr);
// Fills the picture in cream and draws the topic: its figure, then its texts. Returns false
// (and draws nothing) for a Tag that is no topic.
bool DrawTopic(Surface& canvas, int tag, std::vector<SheetText>* log = nullptr);

} // namespace pelcor
