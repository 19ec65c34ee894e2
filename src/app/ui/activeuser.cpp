#include "activeuser.h"

ActiveUser &activeUser()
{
    static ActiveUser user;
    return user;
}
