// SPDX-License-Identifier: GPL-3.0-or-later
// Ossarion: the bones of the human skeleton, in labelled drawings and naming tests.
#include "app/startup.h"

int main(int argc, char *argv[])
{
    return ossarion::runCommandLine(argc, argv);
}
