/** @file StartupOpening.h
 ** The files named on the command line, opened once the main window is up and answering:
 ** each source is read and decoded on a worker thread while the status bar says so, and
 ** only setting its text runs on the user-interface thread. **/
#pragma once

#include <QStringList>
#include <functional>

class TMainFRM;

/** Opens Paths in order, as TMainFRM::OpenPaths would, starting when the event loop runs;
    then runs Then. Errors are shown as the open commands show them; a file that cannot be
    read is opened the ordinary way, which reports why. */
void OpenPathsAfterStart(TMainFRM& Main, const QStringList& Paths, std::function<void()> Then);
