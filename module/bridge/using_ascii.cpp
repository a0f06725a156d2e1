#include "module/bridge/using_ascii.h"

int32_t UsingAscii = 0;
