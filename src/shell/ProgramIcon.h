#pragma once

#include <QIcon>

// The program's own icon: the windows' icon and the one in the notification area. Drawn here
// at every size the desktop asks for, so it needs no image file beside the program.
class ProgramIcon
{
public:
    static QIcon icon();
};
