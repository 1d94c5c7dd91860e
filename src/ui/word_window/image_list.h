// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace vorlix {

// Pictures addressed by text key, every one shown at one size, with one colour as transparent.
// They are given as XPM data and taken apart only when first drawn: the word window's start need
// not wait for pictures of a menu that is not open yet.
class ImageList {
public:
    using Xpm = const char* const*;

    ImageList(QSize imageSize, QColor maskColour);

    // The picture is scaled to the list's size and the mask colour cut out. `large` is the same
    // picture drawn at twice the size, for screens of more device pixels than logical ones: there
    // it is drawn down instead of the small one blurred up.
    void add(const std::string& key, Xpm picture, Xpm large);
    // The picture and its large version, for the screen to draw from at the list's size; a null
    // icon for an unknown key.
    QIcon icon(const std::string& key) const;

private:
    QSize size_;
    QColor mask_;
    std::map<std::string, QIcon> icons_;
};

// The menu pictures, keyed "properties", "exit", "site", "mail", "stop", "help", "known", "say",
// "again".
void fillMenuImages(ImageList& images);

// The program's icon, at 32x32 and 16x16.
QIcon programIcon();

}  // namespace vorlix
