// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/image_list.h"

#include <QBitmap>
#include <QIcon>
#include <QImage>

#include "ui/word_window/images/exit.xpm"
#include "ui/word_window/images/help.xpm"
#include "ui/word_window/images/help_32.xpm"
#include "ui/word_window/images/icon_16.xpm"
#include "ui/word_window/images/icon_32.xpm"
#include "ui/word_window/images/mail.xpm"
#include "ui/word_window/images/mail_32.xpm"
#include "ui/word_window/images/properties.xpm"
#include "ui/word_window/images/properties_32.xpm"
#include "ui/word_window/images/site.xpm"
#include "ui/word_window/images/site_32.xpm"
#include "ui/word_window/images/stop.xpm"
#include "ui/word_window/images/stop_32.xpm"

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

QPixmap ImageList::shown(const QPixmap& picture, QSize size) const
{
    const QPixmap cut = masked(picture, mask_);
    return cut.size() == size ? cut : cut.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ImageList::add(const std::string& key, const QPixmap& picture, const QPixmap& large)
{
    QIcon icon(shown(picture, size_));
    icon.addPixmap(shown(large, size_ * 2));
    icons_[key] = icon;
}

QPixmap ImageList::picture(const std::string& key) const
{
    const auto found = icons_.find(key);
    return found == icons_.end() ? QPixmap() : found->second.pixmap(size_, 1.0);
}

QIcon ImageList::icon(const std::string& key) const
{
    const auto found = icons_.find(key);
    return found == icons_.end() ? QIcon() : found->second;
}

void fillMenuImages(ImageList& images)
{
    images.add("properties", QPixmap(properties_xpm), QPixmap(properties_32_xpm));
    // Drawn at 32 x 32 in the first place; the list shows it at 16 x 16 like the others.
    images.add("exit", QPixmap(exit_xpm), QPixmap(exit_xpm));
    images.add("site", QPixmap(site_xpm), QPixmap(site_32_xpm));
    images.add("mail", QPixmap(mail_xpm), QPixmap(mail_32_xpm));
    images.add("stop", QPixmap(stop_xpm), QPixmap(stop_32_xpm));
    images.add("help", QPixmap(help_xpm), QPixmap(help_32_xpm));
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(masked(QPixmap(icon_32_xpm), kPictureMask));
    icon.addPixmap(masked(QPixmap(icon_16_xpm), kPictureMask));
    return icon;
}

}  // namespace vorlix
