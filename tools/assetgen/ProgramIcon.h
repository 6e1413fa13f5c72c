#pragma once

#include <QByteArray>
#include <QImage>

#include <string>
#include <vector>

namespace pelcor::assetgen {

// The program's icon: a slate tile with a green readout showing a sine curve over a keypad
// whose right-hand column holds the orange operator keys. Drawn on a 256 x 256 grid.
inline constexpr int kIconGrid = 256;
// The sizes of the pictures written for the desktop's icon theme.
const std::vector<int>& IconSizes();

// The icon as a picture of `size` x `size` pixels with a transparent surround.
QImage DrawProgramIcon(int size);
// The same drawing as a scalable SVG document.
QByteArray ProgramIconSvg();

// Writes the icon below `folder` as the icon theme lays it out:
// `folder`/scalable/apps/`name`.svg and `folder`/NxN/apps/`name`.png for every size.
// Returns an empty text on success, else the reason for the first failure.
std::string WriteProgramIcon(const std::string& folder, const std::string& name);

} // namespace pelcor::assetgen
