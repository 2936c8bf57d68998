/** @file Icons.h
 ** The studio's pictures, drawn from vector sources so they stay sharp at any scale. **/
#pragma once

#include <QIcon>
#include <vector>

/** The image list shared by the menu and the tool bars, by index: run, build, new project,
    open, new file. */
std::vector<QIcon> MenuImages();
QIcon ApplicationIcon();
