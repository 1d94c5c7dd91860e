// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>

#include <QPixmap>
#include <QSize>

namespace vorlix {

// Pictures addressed by text key, every one shown at one size, with one colour as transparent.
class ImageList {
public:
    ImageList(QSize imageSize, QColor maskColour);

    // The picture is scaled to the list's size and the mask colour cut out.
    void add(const std::string& key, const QPixmap& picture);
    // A null pixmap for an unknown key.
    QPixmap picture(const std::string& key) const;
    QSize imageSize() const { return size_; }

private:
    QSize size_;
    QColor mask_;
    std::map<std::string, QPixmap> pictures_;
};

// The menu pictures, keyed "properties", "exit", "site", "mail", "stop", "help".
void fillMenuImages(ImageList& images);

// The program's icon, at 32x32 and 16x16.
QIcon programIcon();

}  // namespace vorlix
