// Command ids by their names, for the messages of failed checks.
#pragma once

#include "platform/types.h"

#include <string>

// The name of a command id in resources/resource.h, or null.
const char* FindCommandName(UINT nID);
// The name of nID, or "command <number>" for an id without one.
std::string CommandName(UINT nID);
