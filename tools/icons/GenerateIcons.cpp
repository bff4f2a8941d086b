// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon from the About box's stopwatch into an icon
// theme folder: arguments are the folder, the icon's name and the sides of
// the bitmaps. Writes scalable/apps/NAME.svg and NxN/apps/NAME.png.
#include "about/AboutLogo.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>

using tikkro::about::AboutLogo;

namespace {

constexpr int SvgSide = 64;

bool writeSvg(const QString& folder, const QString& name)
{
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(folder + u'/' + name + QStringLiteral(".svg"));
    svg.setSize(QSize(SvgSide, SvgSide));
    svg.setViewBox(QRect(0, 0, SvgSide, SvgSide));
    svg.setTitle(QStringLiteral("Tikkro"));
    svg.setDescription(QStringLiteral("A stopwatch in motion"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    // The logo has no text, but every group states a font; without an
    // application object Qt's default one has no size and would be written
    // as an invalid -1.
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(10);
    painter.setFont(font);
    AboutLogo::paintIcon(painter, SvgSide);
    return painter.end();
}

bool writePng(const QString& folder, const QString& name, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    AboutLogo::paintIcon(painter, side);
    painter.end();
    return QDir().mkpath(folder) && image.save(folder + u'/' + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: tikkro_icongen THEME-FOLDER ICON-NAME [SIDE...]\n", stderr);
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = writeSvg(theme + QStringLiteral("/scalable/apps"), name);
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        written = side > 0 &&
                  writePng(theme + QStringLiteral("/%1x%1/apps").arg(side), name, side) && written;
    }
    if (!written) {
        std::fputs("tikkro_icongen: cannot write the icons\n", stderr);
        return 1;
    }
    return 0;
}
