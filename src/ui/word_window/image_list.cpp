// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/image_list.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>

#include "ui/word_window/images/exit.xpm"
#include "ui/word_window/images/help.xpm"
#include "ui/word_window/images/icon_16.xpm"
#include "ui/word_window/images/icon_32.xpm"
#include "ui/word_window/images/mail.xpm"
#include "ui/word_window/images/properties.xpm"
#include "ui/word_window/images/site.xpm"
#include "ui/word_window/images/stop.xpm"

namespace vorlix {

namespace {

const QColor kPictureMask(192, 192, 192);

QPixmap masked(QPixmap picture, QColor mask)
{
    picture.setMask(picture.createMaskFromColor(mask, Qt::MaskInColor));
    return picture;
}

}  // namespace

ImageList::ImageList(QSize imageSize, QColor maskColour) : size_(imageSize), mask_(maskColour) {}

void ImageList::add(const std::string& key, const QPixmap& picture)
{
    QPixmap shown = masked(picture, mask_);
    if (shown.size() != size_) shown = shown.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pictures_[key] = shown;
}

QPixmap ImageList::picture(const std::string& key) const
{
    const auto found = pictures_.find(key);
    return found == pictures_.end() ? QPixmap() : found->second;
}

void fillMenuImages(ImageList& images)
{
    images.add("properties", QPixmap(properties_xpm));
    images.add("exit", QPixmap(exit_xpm));
    images.add("site", QPixmap(site_xpm));
    images.add("mail", QPixmap(mail_xpm));
    images.add("stop", QPixmap(stop_xpm));
    images.add("help", QPixmap(help_xpm));
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(masked(QPixmap(icon_32_xpm), kPictureMask));
    icon.addPixmap(masked(QPixmap(icon_16_xpm), kPictureMask));
    return icon;
}

}  // namespace vorlix
