// SPDX-License-Identifier: GPL-3.0-or-later
// Ossarion: the bones of the human skeleton, in labelled drawings and naming tests.
#include "app/startup.h"

#include <QtGlobal>

int main(int argc, char *argv[])
{
    Q_UNUSED(argc);
    return ossarion::runProgram(argv[0]);
}
