// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/word_window/image_list.h"

#include <QBitmap>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>

#include "ui/word_window/images/again.xpm"
#include "ui/word_window/images/again_32.xpm"
#include "ui/word_window/images/exit.xpm"
#include "ui/word_window/images/help.xpm"
#include "ui/word_window/images/help_32.xpm"
#include "ui/word_window/images/icon_16.xpm"
#include "ui/word_window/images/icon_32.xpm"
#include "ui/word_window/images/known.xpm"
#include "ui/word_window/images/known_32.xpm"
#include "ui/word_window/images/mail.xpm"
#include "ui/word_window/images/mail_32.xpm"
#include "ui/word_window/images/properties.xpm"
#include "ui/word_window/images/properties_32.xpm"
#include "ui/word_window/images/say.xpm"
#include "ui/word_window/images/say_32.xpm"
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

// An icon that takes its pictures apart when it is first drawn or asked about. It answers in
// device pixels, as an icon engine must, from an icon of the two pictures made then.
class PicturesOnDemand : public QIconEngine {
public:
    PicturesOnDemand(ImageList::Xpm picture, ImageList::Xpm large, QSize size, QColor mask)
        : picture_(picture), large_(large), size_(size), mask_(mask)
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new PicturesOnDemand(*this); }

private:
    QPixmap shown(ImageList::Xpm picture, QSize size) const
    {
        const QPixmap cut = masked(QPixmap(picture), mask_);
        return cut.size() == size ? cut : cut.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QIcon& icon()
    {
        if (icon_.isNull()) {
            icon_.addPixmap(shown(picture_, size_));
            icon_.addPixmap(shown(large_, size_ * 2));
        }
        return icon_;
    }

    ImageList::Xpm picture_;
    ImageList::Xpm large_;
    QSize size_;
    QColor mask_;
    QIcon icon_;
};

}  // namespace

ImageList::ImageList(QSize imageSize, QColor maskColour) : size_(imageSize), mask_(maskColour) {}

void ImageList::add(const std::string& key, Xpm picture, Xpm large)
{
    icons_[key] = QIcon(new PicturesOnDemand(picture, large, size_, mask_));
}

QIcon ImageList::icon(const std::string& key) const
{
    const auto found = icons_.find(key);
    return found == icons_.end() ? QIcon() : found->second;
}

void fillMenuImages(ImageList& images)
{
    images.add("properties", properties_xpm, properties_32_xpm);
    // Drawn at 32 x 32 in the first place; the list shows it at 16 x 16 like the others.
    images.add("exit", exit_xpm, exit_xpm);
    images.add("site", site_xpm, site_32_xpm);
    images.add("mail", mail_xpm, mail_32_xpm);
    images.add("stop", stop_xpm, stop_32_xpm);
    images.add("help", help_xpm, help_32_xpm);
    images.add("known", known_xpm, known_32_xpm);
    images.add("say", say_xpm, say_32_xpm);
    images.add("again", again_xpm, again_32_xpm);
}

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(masked(QPixmap(icon_32_xpm), kPictureMask));
    icon.addPixmap(masked(QPixmap(icon_16_xpm), kPictureMask));
    return icon;
}

}  // namespace vorlix
