// Operating-system name and release through uname.
#include "shell/os_detect.h"
#include <sys/utsname.h>

int OsPlatformCode = 0, OsVersionCode = 0;
std::string OsPlatformName, OsVersionName;

void Os_Detect() {
    OsPlatformCode = OsVersionCode = 0;
    OsPlatformName.clear();
    OsVersionName.clear();
    struct utsname u;
    if (uname(&u) != 0) return;
    OsPlatformName = u.sysname;
    OsVersionName = u.release;
}

std::string Os_StartupLine() { return "OS platform: " + OsPlatformName + " version:" + OsVersionName; }
