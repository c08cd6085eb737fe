// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Pictures of the desktop shell, all drawn at run time: the application icon,
// the tool-bar strip and the three logos of the about box.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace shell_pictures {

// Width and height of one tool-bar picture; the strip holds five of them.
constexpr int kToolPictureWidth = 16;
constexpr int kToolPictureHeight = 15;
enum ToolPicture { kPictureNew = 0, kPictureOpen, kPictureSave, kPictureAbout, kPictureContextHelp };
constexpr int kToolPictureCount = 5;

// The application icon drawn at `size` x `size` pixels (transparent outside
// the badge). Needs no running application, so install steps can render it.
QImage renderApplicationIcon(int size);
// The application icon in the usual sizes.
QIcon applicationIcon();

// The strip of five 16 x 15 pictures: new, open, save, about, context help.
QPixmap toolBarStrip();
// One picture cut from the strip.
QPixmap toolPicture(ToolPicture which);

// The about box's pictures.
QPixmap programLogo();      // 64 x 64
QPixmap institutionLogo();  // 96 x 40
QPixmap makerLogo();        // 96 x 40

}  // namespace shell_pictures
